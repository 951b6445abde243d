#include "records/OrderSchema.h"

namespace {

const QStringList& wholeNumberFields() {
    static const QStringList fields = {
        QStringLiteral("stutar"),      QStringLiteral("ilave1tutar"), QStringLiteral("ilave2tutar"),
        QStringLiteral("ilave3tutar"), QStringLiteral("geneltoplam"), QStringLiteral("alinan"),
        QStringLiteral("kalan"),       QStringLiteral("musterino"),   QStringLiteral("kapaksayi"),
        QStringLiteral("dolapen"),     QStringLiteral("dolapboy"),    QStringLiteral("kapakesit")};
    return fields;
}

} // namespace

namespace OrderSchema {

QString quoted(const QString& name) {
    // "not" is a reserved word in SQL; the other names are plain identifiers.
    return name == QLatin1String("not") ? QStringLiteral("\"not\"") : name;
}

QStringList headerFields() {
    return {QStringLiteral("stutar"),      QStringLiteral("ilave1tutar"), QStringLiteral("ilave2tutar"),
            QStringLiteral("ilave3tutar"), QStringLiteral("geneltoplam"), QStringLiteral("alinan"),
            QStringLiteral("kalan"),       QStringLiteral("ilave1"),      QStringLiteral("ilave2"),
            QStringLiteral("ilave3"),      QStringLiteral("not"),         QStringLiteral("sno"),
            QStringLiteral("musteriadi"),  QStringLiteral("siparisadi"),  QStringLiteral("musterino"),
            QStringLiteral("starih"),      QStringLiteral("kapaksayi"),   QStringLiteral("Teslimtarihi"),
            QStringLiteral("dolapen"),     QStringLiteral("dolapboy"),    QStringLiteral("profil"),
            QStringLiteral("Prenk"),       QStringLiteral("pmodel"),      QStringLiteral("teslimat"),
            QStringLiteral("montaj"),      QStringLiteral("dolapadet"),   QStringLiteral("kapakesit")};
}

QStringList doorFields(int door) {
    QStringList fields;
    const QString prefix = QStringLiteral("k%1").arg(door);
    for (int division = 1; division <= 6; ++division)
        for (const char* kind : {"e", "b", "c", "m"})
            fields << prefix + QLatin1String(kind) + QString::number(division);
    fields << prefix + QStringLiteral("yon") << prefix + QStringLiteral("bolme") << prefix + QStringLiteral("en");
    return fields;
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

QStringList orderFields() {
    QStringList fields = headerFields();
    for (int door = 1; door <= 6; ++door)
        fields << doorFields(door);
    return fields;
}

QStringList createStatements() {
    QStringList columns;
    for (const QString& field : orderFields()) {
        QString type = QStringLiteral("text");
        if (field == QLatin1String("sno"))
            type = QStringLiteral("integer NOT NULL PRIMARY KEY");
        else if (wholeNumberFields().contains(field))
            type = QStringLiteral("integer NOT NULL");
        else if (field.endsWith(QLatin1String("en")) && field.size() == 4)
            type = QStringLiteral("double precision NOT NULL");
        columns << quoted(field) + QLatin1Char(' ') + type;
    }
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

} // namespace OrderSchema
