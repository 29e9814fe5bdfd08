// The years a part fits, written out for the searches.
#include <QtTest>

#include "catalog/Anos.h"

class TestAnos : public QObject {
    Q_OBJECT
  private slots:
    void desplegar_data();
    void desplegar();
};

void TestAnos::desplegar_data() {
    QTest::addColumn<QString>("ano");
    QTest::addColumn<int>("resultado");
    QTest::addColumn<QString>("lista");
    const int ok = int(anos::Resultado::Correcto);
    const int largo = int(anos::Resultado::LongitudIncorrecta);
    const int numero = int(anos::Resultado::NoEsNumero);
    QTest::newRow("00-05") << "00-05" << ok << "2000,2001,2002,2003,2004,2005";
    QTest::newRow("95-02 crosses the century") << "95-02" << ok << "1995,1996,1997,1998,1999,2000,2001,2002";
    QTest::newRow("30-31 is 2030 to 1931: empty") << "30-31" << ok << "";
    QTest::newRow("05-05 one year") << "05-05" << ok << "2005";
    QTest::newRow("29-30 both in this century") << "29-30" << ok << "2029,2030";
    QTest::newRow("31-31") << "31-31" << ok << "1931";
    QTest::newRow("any separator") << "98/99" << ok << "1998,1999";
    QTest::newRow("last before first") << "05-00" << ok << "";
    QTest::newRow("0-5 too short") << "0-5" << largo << "";
    QTest::newRow("2000-2005 too long") << "2000-2005" << largo << "";
    QTest::newRow("empty") << "" << largo << "";
    QTest::newRow("letters") << "ab-05" << numero << "";
    QTest::newRow("signed") << "-1-05" << numero << "";
    QTest::newRow("blank in a year") << "0 -05" << numero << "";
}

void TestAnos::desplegar() {
    QFETCH(QString, ano);
    QFETCH(int, resultado);
    QFETCH(QString, lista);
    QString d = "x";
    QCOMPARE(int(anos::desplegar(ano, &d)), resultado);
    QCOMPARE(d, lista);
}

QTEST_MAIN(TestAnos)
#include "test_anos.moc"
