#include <QTest>

#include "common/Formats.h"

// Display formats under the Mexican Spanish locale, whatever the machine's locale.
class TestFormatos : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void dinero_data();
    void dinero();
    void porcentajeYEntero();
    void fechasYHoras();
    void decimalMasCorto_data();
    void decimalMasCorto();
    void leerDecimal_data();
    void leerDecimal();
    void leerEntero_data();
    void leerEntero();
    void errorDeConversion();
};

void TestFormatos::initTestCase() {
    // A machine whose own locale writes "1.234,56" must not change anything.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestFormatos::dinero_data() {
    QTest::addColumn<double>("valor");
    QTest::addColumn<QString>("moneda");
    QTest::addColumn<QString>("dinero");
    QTest::addColumn<QString>("ticket");
    QTest::newRow("miles") << 1234.56 << "$1,234.56"
                           << "$1,234.56"
                           << "$1,234.56";
    QTest::newRow("negativo") << -1234.56 << "-$1,234.56"
                              << "-$1,234.56"
                              << "-$1,234.56";
    QTest::newRow("medio peso") << 0.5 << "$0.50"
                                << "$0.50"
                                << "$.50";
    QTest::newRow("cero") << 0.0 << "$0.00"
                          << "$0.00"
                          << "$.00";
    QTest::newRow("millones") << 1234567.891 << "$1,234,567.89"
                              << "$1,234,567.89"
                              << "$1,234,567.89";
    QTest::newRow("cuatro decimales") << 11.5115 << "$11.51"
                                      << "$11.51"
                                      << "$11.51";
    QTest::newRow("medio centavo sube") << 1.005 << "$1.01"
                                        << "$1.01"
                                        << "$1.01";
    QTest::newRow("casi cero negativo") << -0.001 << "$0.00"
                                        << "$0.00"
                                        << "$.00";
    QTest::newRow("cien") << 100.0 << "$100.00"
                          << "$100.00"
                          << "$100.00";
    QTest::newRow("mil exacto") << 1000.0 << "$1,000.00"
                                << "$1,000.00"
                                << "$1,000.00";
}

void TestFormatos::dinero() {
    QFETCH(double, valor);
    QFETCH(QString, moneda);
    QFETCH(QString, dinero);
    QFETCH(QString, ticket);
    QCOMPARE(formato::moneda(valor), moneda);
    QCOMPARE(formato::moneda(Money::fromDouble(valor)), moneda);
    QCOMPARE(formato::dinero(valor), dinero);
    QCOMPARE(formato::dineroCero(valor), dinero);
    QCOMPARE(formato::dineroTicket(valor), ticket);
}

void TestFormatos::porcentajeYEntero() {
    QCOMPARE(formato::porcentaje(16), QString("16.00%"));
    QCOMPARE(formato::porcentaje(33.3333), QString("33.33%"));
    QCOMPARE(formato::porcentaje(-2.5), QString("-2.50%"));
    QCOMPARE(formato::entero(2.5), QString("3"));
    QCOMPARE(formato::entero(-2.5), QString("-3"));
    QCOMPARE(formato::entero(1234567), QString("1234567"));
    QCOMPARE(formato::entero(-0.2), QString("0"));
}

void TestFormatos::fechasYHoras() {
    QDate d(2026, 1, 10);
    QCOMPARE(formato::fecha(d), QString("10/01/2026"));
    QCOMPARE(formato::fecha(QDateTime(d, QTime(17, 5))), QString("10/01/2026"));
    QCOMPARE(formato::fechaMesLargo(d), QString("10/enero/2026"));
    QCOMPARE(formato::fechaMesLargo(QDate(2025, 9, 3)), QString("03/septiembre/2025"));
    QCOMPARE(formato::fechaMesLargo(QDate(2025, 12, 31)), QString("31/diciembre/2025"));
    QCOMPARE(formato::fechaCorta(QDate(2026, 3, 7)), QString("07/03/2026"));
    QCOMPARE(formato::horaLarga(QTime(17, 5, 9)), QString("17:05:09"));
    QCOMPARE(formato::horaLarga(QTime(0, 0, 0)), QString("00:00:00"));
    QCOMPARE(formato::fechaHora(QDateTime(d, QTime(9, 30, 0))), QString("10/01/2026 09:30:00"));
    QCOMPARE(formato::locale().decimalPoint(), QString("."));
}

void TestFormatos::decimalMasCorto_data() {
    QTest::addColumn<double>("valor");
    QTest::addColumn<QString>("texto");
    QTest::newRow("cuatro decimales") << 11.5115 << "11.5115";
    QTest::newRow("entero") << 135.0 << "135";
    QTest::newRow("negativo") << -2.5 << "-2.5";
    QTest::newRow("ruido binario") << 0.1 + 0.2 << "0.3";
    QTest::newRow("cero negativo") << -0.0 << "0";
    QTest::newRow("grande") << 1e16 << "10000000000000000";
    QTest::newRow("pequeno") << 0.00001 << "0.00001";
    QTest::newRow("precio por cambio") << 10.01 * 1.15 << "11.5115";
}

void TestFormatos::decimalMasCorto() {
    QFETCH(double, valor);
    QFETCH(QString, texto);
    QCOMPARE(formato::decimal(valor), texto);
}

void TestFormatos::leerDecimal_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("valor");
    QTest::newRow("punto") << "12.5" << true << 12.5;
    QTest::newRow("entero") << "7" << true << 7.0;
    QTest::newRow("negativo") << "-2.25" << true << -2.25;
    QTest::newRow("sin entero") << ".5" << true << 0.5;
    QTest::newRow("espacios") << " 3 " << true << 3.0;
    QTest::newRow("signo solo") << "-" << false << 0.0;
    QTest::newRow("dos puntos") << "1.2.3" << false << 0.0;
    QTest::newRow("vacio") << "" << false << 0.0;
    QTest::newRow("letras") << "abc" << false << 0.0;
    QTest::newRow("coma") << "1,5" << false << 0.0;
    QTest::newRow("punto solo") << "." << false << 0.0;
    QTest::newRow("infinito") << "inf" << false << 0.0;
}

void TestFormatos::leerDecimal() {
    QFETCH(QString, texto);
    QFETCH(bool, ok);
    QFETCH(double, valor);
    bool leido = !ok;
    double v = formato::leerDecimal(texto, &leido);
    QCOMPARE(leido, ok);
    QCOMPARE(v, valor);
}

void TestFormatos::leerEntero_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("valor");
    QTest::newRow("entero") << "15" << true << 15;
    QTest::newRow("negativo") << "-2" << true << -2;
    QTest::newRow("decimal") << "1.5" << false << 0;
    QTest::newRow("signo solo") << "-" << false << 0;
    QTest::newRow("vacio") << "" << false << 0;
    QTest::newRow("letras") << "2a" << false << 0;
    QTest::newRow("demasiado grande") << "99999999999" << false << 0;
}

void TestFormatos::leerEntero() {
    QFETCH(QString, texto);
    QFETCH(bool, ok);
    QFETCH(int, valor);
    bool leido = !ok;
    int v = formato::leerEntero(texto, &leido);
    QCOMPARE(leido, ok);
    QCOMPARE(v, valor);
}

void TestFormatos::errorDeConversion() {
    QCOMPARE(formato::errorConversion("1.5"), QString::fromUtf8("'1.5' no es un valor entero válido"));
    QCOMPARE(formato::errorConversion("abc"), QString::fromUtf8("'abc' no es un valor numérico válido"));
    QCOMPARE(formato::errorConversion("-"), QString::fromUtf8("'-' no es un valor numérico válido"));
}

QTEST_MAIN(TestFormatos)
#include "test_formatos.moc"
