#include "model/Errors.h"
#include "model/StoredText.h"
#include "records/RecordChecks.h"
#include "support/RecordsFixture.h"

#include <QSqlQuery>
#include <QTest>

#include <climits>

using namespace RecordsSupport;

// What the order database refuses before writing, identically on the local file and on the server:
// amounts beyond what a workshop can mean, texts an engine cannot store whole, names and notes longer
// than a workshop writes; and balances that stay exact whatever amount an order already holds.
class TestRecordChecks : public QObject, private TRecordsFixture {
    Q_OBJECT

    int m_customer = 0;
    int m_order = 0;

    double balance() {
        QSqlQuery query = OrderDatabase::prepare(QStringLiteral("SELECT Bakiye FROM musteri WHERE Mno = ?"));
        query.addBindValue(m_customer);
        OrderDatabase::exec(query);
        return query.next() ? query.value(0).toDouble() : -1;
    }

    // Runs `write` and returns the refusal's message, or "<stored>" when it went through.
    static QString refusalOf(const std::function<void()>& write) {
        try {
            write();
        } catch (const TRefusal& refusal) {
            return refusal.message();
        }
        return QStringLiteral("<stored>");
    }

private slots:
    void init() {
        DORAVEL_SKIP_WITHOUT_TEST_SERVER(TTestDatabase::onServer());
        openRecords();
        m_customer = addCustomer(QStringLiteral("Örnek"));
        m_order = storeOrder(m_customer, QStringLiteral("Örnek"), QDate(2026, 12, 1), 100);
    }
    void cleanup() { closeRecords(); }

    // An order that already holds the smallest whole number as its remaining amount (stored before
    // amounts were limited): re-saving or deleting it takes exactly that amount off the balance.
    void extremeStoredAmountLeavesTheBalanceExact_data() {
        QTest::addColumn<bool>("resave");
        QTest::newRow("re-save") << true;
        QTest::newRow("delete") << false;
    }
    void extremeStoredAmountLeavesTheBalanceExact() {
        QFETCH(bool, resave);
        for (const QString& sql : {QStringLiteral("UPDATE siparis SET kalan = ? WHERE sno = ?"),
                                   QStringLiteral("UPDATE musteri SET Bakiye = ? WHERE Mno = ?")}) {
            QSqlQuery query = OrderDatabase::prepare(sql);
            query.addBindValue(sql.contains(QLatin1String("kalan")) ? QVariant(INT_MIN) : QVariant(double(INT_MIN)));
            query.addBindValue(sql.contains(QLatin1String("kalan")) ? m_order : m_customer);
            OrderDatabase::exec(query);
        }
        QCOMPARE(balance(), double(INT_MIN));
        if (resave) {
            TOrderRecord record = *OrderStore::readOrder(m_order);
            record.kalan = 500;
            OrderStore::replaceOrder(record, record.surum);
            QCOMPARE(balance(), 500.0);
        } else {
            QVERIFY(OrderStore::deleteOrder(m_order));
            QCOMPARE(balance(), 0.0);
        }
        QCOMPARE(balanceMismatches(), QStringList());
    }

    void amountsBeyondTheLimitAreRefusedBeforeAnyWrite_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("amount");
        QTest::addColumn<bool>("refused");
        QTest::newRow("kalan at the limit") << QStringLiteral("Kalan") << 1'000'000'000 << false;
        QTest::newRow("kalan below minus the limit") << QStringLiteral("Kalan") << -1'000'000'000 << false;
        QTest::newRow("kalan over the limit") << QStringLiteral("Kalan") << 1'000'000'001 << true;
        QTest::newRow("kalan smallest whole number") << QStringLiteral("Kalan") << INT_MIN << true;
        QTest::newRow("order amount largest whole number") << QStringLiteral("Sipariş Tutarı") << INT_MAX << true;
        QTest::newRow("received under the limit") << QStringLiteral("Alınan") << -1'000'000'001 << true;
        QTest::newRow("extra amount") << QStringLiteral("İlave 2 Tutarı") << 2'000'000'000 << true;
    }
    void amountsBeyondTheLimitAreRefusedBeforeAnyWrite() {
        QFETCH(QString, field);
        QFETCH(int, amount);
        QFETCH(bool, refused);
        TOrderRecord record = *OrderStore::readOrder(m_order);
        int* target = field == QLatin1String("Kalan")             ? &record.kalan
                      : field == QStringLiteral("Sipariş Tutarı") ? &record.stutar
                      : field == QStringLiteral("Alınan")         ? &record.alinan
                                                                  : &record.ilaveTutar[1];
        *target = amount;
        if (!refused) {
            // Within the limits an order's amounts can be stored and re-saved.
            QCOMPARE(refusalOf([&] { OrderStore::replaceOrder(record, record.surum); }), QStringLiteral("<stored>"));
            QCOMPARE(balanceMismatches(), QStringList());
            return;
        }
        const QString message = RecordCheckTexts::amountOutOfRange.arg(field).arg(amount);
        TOrderRecord fresh = record;
        QCOMPARE(refusalOf([&] { OrderStore::insertOrder(fresh); }), message);
        QCOMPARE(refusalOf([&] { OrderStore::replaceOrder(record, record.surum); }), message);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM siparis")), 1);
        QCOMPARE(OrderStore::readOrder(m_order)->kalan, 100);
        QCOMPARE(balance(), 100.0);
    }

    // Every text of an order or a customer goes through the same rules on both engines: what one
    // cannot hold whole is refused, naming the field, and nothing is written.
    void unstorableOrOverlongTextsAreRefused_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        using namespace StoredTextTexts;
        const QString nul = QStringLiteral("Kapı") + QChar(0) + QStringLiteral("x");
        QTest::newRow("NUL in the note") << QStringLiteral("NOT") << nul
                                         << unstorable.arg(u"NOT").arg(5).arg(u"U+0000");
        QTest::newRow("bell in the order name") << QStringLiteral("Sipariş İsmi") << QStringLiteral("a\ab")
                                                << unstorable.arg(u"Sipariş İsmi").arg(2).arg(u"U+0007");
        QTest::newRow("line break in the order name") << QStringLiteral("Sipariş İsmi") << QStringLiteral("a\nb")
                                                      << unstorable.arg(u"Sipariş İsmi").arg(2).arg(u"U+000A");
        QTest::newRow("lone surrogate in the customer name")
            << QStringLiteral("Müşteri Adı") << QStringLiteral("Ali") + QChar(0xD800)
            << unstorable.arg(u"Müşteri Adı").arg(4).arg(u"U+D800");
        QTest::newRow("leading byte order mark in the order name")
            << QStringLiteral("Sipariş İsmi") << QChar(0xFEFF) + QStringLiteral("Dolap")
            << unstorable.arg(u"Sipariş İsmi").arg(1).arg(u"U+FEFF");
        QTest::newRow("customer name of 101 characters")
            << QStringLiteral("Müşteri Adı") << QString(101, QLatin1Char('M'))
            << tooLong.arg(u"Müşteri Adı").arg(100).arg(101);
        QTest::newRow("customer name of 1 MiB") << QStringLiteral("Müşteri Adı") << QString(1 << 20, QLatin1Char('M'))
                                                << tooLong.arg(u"Müşteri Adı").arg(100).arg(1 << 20);
        QTest::newRow("note of 2001 characters")
            << QStringLiteral("NOT") << QString(2001, QLatin1Char('n')) << tooLong.arg(u"NOT").arg(2000).arg(2001);
        QTest::newRow("telephone of 16 characters")
            << QStringLiteral("Tel") << QString(16, QLatin1Char('5')) << tooLong.arg(u"Tel").arg(15).arg(16);
        QTest::newRow("control character in the address")
            << QStringLiteral("Adres") << QStringLiteral("Cadde\x1b") << unstorable.arg(u"Adres").arg(6).arg(u"U+001B");
    }
    void unstorableOrOverlongTextsAreRefused() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        const std::optional<TCustomer> storedCustomer = CustomerStore::find(m_customer);
        if (field == QStringLiteral("Müşteri Adı") || field == QLatin1String("Tel") ||
            field == QLatin1String("Adres")) {
            TCustomer customer = *storedCustomer;
            QString& target = field == QLatin1String("Tel")     ? customer.tel
                              : field == QLatin1String("Adres") ? customer.adres
                                                                : customer.name;
            target = text;
            QCOMPARE(refusalOf([&] { CustomerStore::update(customer); }), message);
            TCustomer fresh = customer;
            QCOMPARE(refusalOf([&] { CustomerStore::insert(fresh); }), message);
            QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM musteri")), 1);
            QCOMPARE(CustomerStore::find(m_customer)->name, storedCustomer->name);
        }
        if (field != QLatin1String("Tel") && field != QLatin1String("Adres")) {
            const TOrderRecord stored = *OrderStore::readOrder(m_order);
            TOrderRecord record = stored;
            QString& target = field == QLatin1String("NOT")            ? record.note
                              : field == QStringLiteral("Müşteri Adı") ? record.musteriadi
                                                                       : record.siparisadi;
            target = text;
            TOrderRecord fresh = record;
            QCOMPARE(refusalOf([&] { OrderStore::insertOrder(fresh); }), message);
            QCOMPARE(refusalOf([&] { OrderStore::replaceOrder(record, record.surum); }), message);
            QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM siparis")), 1);
            QCOMPARE(OrderStore::readOrder(m_order)->note, stored.note);
            QCOMPARE(OrderStore::readOrder(m_order)->siparisadi, stored.siparisadi);
        }
    }

    // What the rules let through comes back exactly as it went in, on both engines.
    void acceptedTextsReadBackUnchanged() {
        TOrderRecord record = *OrderStore::readOrder(m_order);
        record.musteriadi = QString(100, QChar(0x15F)); // ş
        record.siparisadi = QStringLiteral("Çift\tKanat 🚪 ") + QChar(0xFEFF) + QStringLiteral("Ayna");
        record.note = QString(2000, QLatin1Char('N'));
        record.ilave[0] = QString(40, QLatin1Char('i'));
        OrderStore::replaceOrder(record, record.surum);
        const TOrderRecord back = *OrderStore::readOrder(m_order);
        QCOMPARE(back.musteriadi, record.musteriadi);
        QCOMPARE(back.siparisadi, record.siparisadi);
        QCOMPARE(back.note, record.note);
        QCOMPARE(back.ilave[0], record.ilave[0]);

        TCustomer customer = *CustomerStore::find(m_customer);
        customer.adres = QStringLiteral("Atatürk Cad. No: 5\nKat 2");
        customer.tel = QString(15, QLatin1Char('0'));
        CustomerStore::update(customer);
        QCOMPARE(CustomerStore::find(m_customer)->adres, customer.adres);
        QCOMPARE(CustomerStore::find(m_customer)->tel, customer.tel);
    }
};

QTEST_GUILESS_MAIN(TestRecordChecks)
#include "tst_recordchecks.moc"
