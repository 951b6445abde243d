#include "records/OrderSchema.h"

namespace {

using OrderSchema::TColumn;

const QString k_text = QStringLiteral("text");
const QString k_whole = QStringLiteral("integer NOT NULL");
const QString k_width = QStringLiteral("double precision NOT NULL");

TColumn textColumn(const QString& name, QString TOrderRecord::*member) {
    return {name, k_text, 1, [member](const TOrderRecord& r) { return OrderSchema::storedText(r.*member); },
            [member](TOrderRecord& r, const QVariant& v) { r.*member = v.toString(); }};
}

TColumn wholeColumn(const QString& name, int TOrderRecord::*member) {
    return {name, k_whole, 1, [member](const TOrderRecord& r) { return QVariant(r.*member); },
            [member](TOrderRecord& r, const QVariant& v) { r.*member = v.toInt(); }};
}

TColumn dateColumn(const QString& name, QDate TOrderRecord::*member) {
    return {name, k_text, 1, [member](const TOrderRecord& r) { return OrderSchema::storedDate(r.*member); },
            [member](TOrderRecord& r, const QVariant& v) { r.*member = OrderSchema::readDate(v); }};
}

TColumn extraName(int i) {
    return {QStringLiteral("ilave%1").arg(i + 1), k_text, 1,
            [i](const TOrderRecord& r) { return OrderSchema::storedText(r.ilave[i]); },
            [i](TOrderRecord& r, const QVariant& v) { r.ilave[i] = v.toString(); }};
}

TColumn extraAmount(int i) {
    return {QStringLiteral("ilave%1tutar").arg(i + 1), k_whole, 1,
            [i](const TOrderRecord& r) { return QVariant(r.ilaveTutar[i]); },
            [i](TOrderRecord& r, const QVariant& v) { r.ilaveTutar[i] = v.toInt(); }};
}

// Door N's 24 division fields, direction and count are its door table columns 1..26; its width last.
void addDoorColumns(std::vector<TColumn>& columns, int door) {
    const QString prefix = QStringLiteral("k%1").arg(door);
    QStringList names;
    for (int division = 1; division <= 6; ++division)
        for (const char* kind : {"e", "b", "c", "m"})
            names << prefix + QLatin1String(kind) + QString::number(division);
    names << prefix + QStringLiteral("yon") << prefix + QStringLiteral("bolme");
    for (int column = 1; column <= names.size(); ++column)
        columns.push_back(
            {names[column - 1], k_text, 1,
             [door, column](const TOrderRecord& r) { return OrderSchema::storedText(r.doors[door][column]); },
             [door, column](TOrderRecord& r, const QVariant& v) { r.doors[door][column] = v.toString(); }});
    columns.push_back({prefix + QStringLiteral("en"), k_width, 1,
                       [door](const TOrderRecord& r) { return QVariant(r.doorWidths[door]); },
                       [door](TOrderRecord& r, const QVariant& v) { r.doorWidths[door] = v.toDouble(); }});
}

std::vector<TColumn> makeOrderColumns() {
    std::vector<TColumn> c;
    c.push_back(wholeColumn(QStringLiteral("stutar"), &TOrderRecord::stutar));
    for (int i = 0; i < 3; ++i)
        c.push_back(extraAmount(i));
    c.push_back(wholeColumn(QStringLiteral("geneltoplam"), &TOrderRecord::geneltoplam));
    c.push_back(wholeColumn(QStringLiteral("alinan"), &TOrderRecord::alinan));
    c.push_back(wholeColumn(QStringLiteral("kalan"), &TOrderRecord::kalan));
    for (int i = 0; i < 3; ++i)
        c.push_back(extraName(i));
    c.push_back(textColumn(QStringLiteral("not"), &TOrderRecord::note));
    TColumn sno = wholeColumn(QStringLiteral("sno"), &TOrderRecord::sno);
    sno.type = QStringLiteral("integer NOT NULL PRIMARY KEY");
    c.push_back(sno);
    c.push_back(textColumn(QStringLiteral("musteriadi"), &TOrderRecord::musteriadi));
    c.push_back(textColumn(QStringLiteral("siparisadi"), &TOrderRecord::siparisadi));
    c.push_back(wholeColumn(QStringLiteral("musterino"), &TOrderRecord::musterino));
    c.push_back(dateColumn(QStringLiteral("starih"), &TOrderRecord::starih));
    c.push_back(wholeColumn(QStringLiteral("kapaksayi"), &TOrderRecord::kapaksayi));
    c.push_back(dateColumn(QStringLiteral("Teslimtarihi"), &TOrderRecord::teslimtarihi));
    c.push_back(wholeColumn(QStringLiteral("dolapen"), &TOrderRecord::dolapen));
    c.push_back(wholeColumn(QStringLiteral("dolapboy"), &TOrderRecord::dolapboy));
    c.push_back(textColumn(QStringLiteral("profil"), &TOrderRecord::profil));
    c.push_back(textColumn(QStringLiteral("Prenk"), &TOrderRecord::prenk));
    c.push_back(textColumn(QStringLiteral("pmodel"), &TOrderRecord::pmodel));
    c.push_back(textColumn(QStringLiteral("teslimat"), &TOrderRecord::teslimat));
    c.push_back(textColumn(QStringLiteral("montaj"), &TOrderRecord::montaj));
    c.push_back(textColumn(QStringLiteral("dolapadet"), &TOrderRecord::dolapadet));
    c.push_back(wholeColumn(QStringLiteral("kapakesit"), &TOrderRecord::kapakesit));
    for (int door = 1; door <= 6; ++door)
        addDoorColumns(c, door);
    // Version 2: the order's save count, so that a re-save can tell whether another seat saved it since.
    // Orders stored before it count as saved once.
    TColumn surum = wholeColumn(QStringLiteral("surum"), &TOrderRecord::surum);
    surum.type = QStringLiteral("integer NOT NULL DEFAULT 1");
    surum.since = 2;
    c.push_back(surum);
    return c;
}

} // namespace

namespace OrderSchema {

const std::vector<TColumn>& orderColumns() {
    static const std::vector<TColumn> columns = makeOrderColumns();
    return columns;
}

QString quoted(const QString& name) {
    // "not" is a reserved word in SQL; the other names are plain identifiers.
    return name == QLatin1String("not") ? QStringLiteral("\"not\"") : name;
}

QString columnList(const std::vector<TColumn>& columns) {
    QStringList names;
    for (const TColumn& column : columns)
        names << quoted(column.name);
    return names.join(QStringLiteral(", "));
}

QVariant storedText(const QString& value) {
    return value.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(value);
}

QVariant storedDate(const QDate& value) {
    return storedText(value.isValid() ? value.toString(Qt::ISODate) : QString());
}

QDate readDate(const QVariant& value) {
    return QDate::fromString(value.toString(), Qt::ISODate);
}

QStringList splitFields() {
    QStringList fields;
    for (int division = 1; division <= 6; ++division) {
        const QString prefix = QStringLiteral("A%1").arg(division);
        for (int part = 1; part <= 3; ++part)
            for (const char* kind : {"bo", "mc", "ma"})
                fields << prefix + QLatin1String(kind) + QString::number(part);
        fields << prefix + QStringLiteral("bs");
    }
    return fields;
}

QStringList tableNames() {
    return {QStringLiteral("siparis"), QStringLiteral("musteri"), QStringLiteral("k1"), QStringLiteral("k2"),
            QStringLiteral("k3"),      QStringLiteral("k4"),      QStringLiteral("k5"), QStringLiteral("k6")};
}

QStringList createVersion1() {
    // Only the version-1 columns: a new database then takes every later step like an old one.
    QStringList columns;
    for (const TColumn& column : orderColumns())
        if (column.since == 1) columns << quoted(column.name) + QLatin1Char(' ') + column.type;
    QStringList statements;
    statements << QStringLiteral("CREATE TABLE dora_schema (version integer NOT NULL)");
    statements << QStringLiteral("CREATE TABLE musteri (Musteriadi text NOT NULL, Mno integer NOT NULL PRIMARY KEY, "
                                 "Bakiye double precision NOT NULL, Tel text NOT NULL, Adres text NOT NULL)");
    statements << QStringLiteral("CREATE TABLE siparis (%1)").arg(columns.join(QStringLiteral(", ")));
    for (int door = 1; door <= 6; ++door) {
        QStringList split = {QStringLiteral("Siparisno integer NOT NULL PRIMARY KEY"),
                             QStringLiteral("Bos double precision")};
        for (const QString& field : splitFields())
            split << field + QStringLiteral(" text NOT NULL");
        statements << QStringLiteral("CREATE TABLE %1 (%2)").arg(splitTable(door), split.join(QStringLiteral(", ")));
    }
    // The order list filters by customer name and save date; balances go by customer number.
    statements << QStringLiteral("CREATE INDEX siparis_musteriadi ON siparis (musteriadi, sno)");
    statements << QStringLiteral("CREATE INDEX siparis_starih ON siparis (starih, sno)");
    statements << QStringLiteral("CREATE INDEX siparis_musterino ON siparis (musterino)");
    return statements;
}

QString addColumn(const TColumn& column) {
    return QStringLiteral("ALTER TABLE siparis ADD COLUMN %1 %2").arg(quoted(column.name), column.type);
}

} // namespace OrderSchema
