#include <QTest>

#include "common/ATexto.h"
#include "common/Seams.h"

// The amount in words printed on tickets, receipts and invoices.
class TestImporteConLetra : public QObject {
    Q_OBJECT
  private slots:
    void palabras_data();
    void palabras();
    void femenino_data();
    void femenino();
    void catalanUneConGuion_data();
    void catalanUneConGuion();
    void limites();
    void argumentosInvalidosAbortanEnSilencio_data();
    void argumentosInvalidosAbortanEnSilencio();
};

static Money pesos(qint64 enteros, int centavos = 0) {
    return Money::fromUnits(enteros * 10000 + centavos * 100);
}

void TestImporteConLetra::palabras_data() {
    QTest::addColumn<qint64>("unidades");  // amount x 10000
    QTest::addColumn<int>("forma");
    QTest::addColumn<QString>("texto");
    const int S = int(FormaLetra::Simple), T = int(FormaLetra::Ticket);
    struct Caso {
        qint64 u;
        const char* texto;
    };
    const Caso simples[] = {
        {0, "CERO"},
        {1'0000, "UN"},
        {15'0000, "QUINCE"},
        {20'0000, "VEINTE"},
        {21'0000, "VEINTIUN"},
        {35'0000, "TREINTA Y CINCO"},
        {100'0000, "CIEN"},
        {101'0000, "CIENTO UN"},
        {999'0000, "NOVECIENTOS NOVENTA Y NUEVE"},
        {1000'0000, "MIL"},
        {1001'0000, "MIL UN"},
        {21000'0000, "VEINTIUN MIL"},
        {100000'0000, "CIEN MIL"},
        {1000000'0000, "UN MILLON"},
        {2500000'0000, "DOS MILLONES QUINIENTOS MIL"},
        {1000000000'0000LL, "MIL MILLONES"},
        {1001000000'0000LL, "MIL UN MILLONES"},
        {1234'5600, "MIL DOSCIENTOS TREINTA Y CUATRO"},
        // beyond the tables: teens before thousands, hundreds of thousands, every group
        {11'0000, "ONCE"},
        {110'0000, "CIENTO DIEZ"},
        {116000'0000, "CIENTO DIECISEIS MIL"},
        {200200'0000, "DOSCIENTOS MIL DOSCIENTOS"},
        {3000001'0000, "TRES MILLONES UN"},
        {123456789012'0000LL,
         "CIENTO VEINTITRES MIL CUATROCIENTOS CINCUENTA Y SEIS MILLONES SETECIENTOS OCHENTA Y NUEVE MIL "
         "DOCE"},
    };
    for (const Caso& c : simples)
        QTest::addRow("simple %lld", c.u) << c.u << S << QString::fromLatin1(c.texto);
    const Caso tickets[] = {
        {1234'5600, "MIL DOSCIENTOS TREINTA Y CUATRO Pesos CON CINCUENTA Y SEIS Pesos"},
        {100'0000, "CIEN Pesos"},
        {5000, "CERO Pesos CON CINCUENTA Pesos"},
        {100, "CERO Pesos CON UN Pesos"},
        {1'9950, "UN Pesos CON CIEN Pesos"},  // the cents reach 100 and are not carried
        {1'0050, "UN Pesos CON UN Pesos"},    // half a cent rounds up
        {1'0049, "UN Pesos"},                 // less than half a cent is no cent
        {21'2100, "VEINTIUN Pesos CON VEINTIUN Pesos"},
    };
    for (const Caso& c : tickets)
        QTest::addRow("ticket %lld", c.u) << c.u << T << QString::fromLatin1(c.texto);
    // An amount without cents: the same words and " Pesos".
    for (const Caso& c : simples)
        if (c.u % 10000 == 0)
            QTest::addRow("ticket entero %lld", c.u) << c.u << T << QString::fromLatin1(c.texto) + " Pesos";
}

void TestImporteConLetra::palabras() {
    QFETCH(qint64, unidades);
    QFETCH(int, forma);
    QFETCH(QString, texto);
    QCOMPARE(ImporteConLetra(Money::fromUnits(unidades), 1, 1, FormaLetra(forma)), texto);
}

void TestImporteConLetra::femenino_data() {
    QTest::addColumn<qint64>("enteros");
    QTest::addColumn<QString>("texto");
    QTest::newRow("201") << qint64(201) << "DOSCIENTAS UNA";
    QTest::newRow("21") << qint64(21) << "VEINTIUNA";
    QTest::newRow("1 millon") << qint64(1000000) << "UN MILLON";
    QTest::newRow("2") << qint64(2) << "DOS";
    QTest::newRow("300 mil") << qint64(300000) << "TRESCIENTAS MIL";
    // The hundreds of the millions stay masculine.
    QTest::newRow("200 millones") << qint64(200000000) << "DOSCIENTOS MILLONES";
}

void TestImporteConLetra::femenino() {
    QFETCH(qint64, enteros);
    QFETCH(QString, texto);
    QCOMPARE(ImporteConLetra(pesos(enteros), 1, 2, FormaLetra::Simple), texto);
}

void TestImporteConLetra::catalanUneConGuion_data() {
    QTest::addColumn<qint64>("unidades");
    QTest::addColumn<QString>("texto");
    QTest::newRow("32") << qint64(32'0000) << "TRENTA-DOS";
    QTest::newRow("22") << qint64(22'0000) << "VINT-I-DOS";
    QTest::newRow("200") << qint64(200'0000) << "DOS-CENTS";
    QTest::newRow("ticket") << qint64(45'5000) << "QUARANTA-CINC Pesos AMB CINQUANTA Pesos";
}

void TestImporteConLetra::catalanUneConGuion() {
    QFETCH(qint64, unidades);
    QFETCH(QString, texto);
    FormaLetra f = QString(QTest::currentDataTag()) == "ticket" ? FormaLetra::Ticket : FormaLetra::Simple;
    QCOMPARE(ImporteConLetra(Money::fromUnits(unidades), 2, 1, f), texto);
}

void TestImporteConLetra::limites() {
    Money maximo = Money::fromUnits(999999999999LL * 10000 + 9900);
    QCOMPARE(ImporteConLetra(maximo, 1, 1, FormaLetra::Simple),
             QString("NOVECIENTOS NOVENTA Y NUEVE MIL NOVECIENTOS NOVENTA Y NUEVE MILLONES NOVECIENTOS "
                     "NOVENTA Y NUEVE MIL NOVECIENTOS NOVENTA Y NUEVE"));
    QVERIFY(ImporteConLetra(maximo, 1, 1, FormaLetra::Ticket).endsWith("CON NOVENTA Y NUEVE Pesos"));
    bool ok = true;
    QCOMPARE(ImporteConLetraTexto(Money::fromUnits(maximo.units() + 1), 1, 1, FormaLetra::Simple, &ok),
             QString("ERROR EN ARGUMENTOS"));
    QVERIFY(!ok);
}

void TestImporteConLetra::argumentosInvalidosAbortanEnSilencio_data() {
    QTest::addColumn<qint64>("unidades");
    QTest::addColumn<int>("idioma");
    QTest::addColumn<int>("genero");
    QTest::newRow("negativo") << qint64(-1) << 1 << 1;
    QTest::newRow("un centavo de mas") << qint64(999999999999LL * 10000 + 9901) << 1 << 1;
    QTest::newRow("billon") << qint64(1000000000000LL * 10000) << 1 << 1;
    QTest::newRow("idioma 0") << qint64(10000) << 0 << 1;
    QTest::newRow("idioma 3") << qint64(10000) << 3 << 1;
    QTest::newRow("genero 0") << qint64(10000) << 1 << 0;
    QTest::newRow("genero 3") << qint64(10000) << 1 << 3;
}

void TestImporteConLetra::argumentosInvalidosAbortanEnSilencio() {
    QFETCH(qint64, unidades);
    QFETCH(int, idioma);
    QFETCH(int, genero);
    bool abortado = false;
    try {
        ImporteConLetra(Money::fromUnits(unidades), idioma, genero, FormaLetra::Ticket);
    } catch (const ui::AbortoSilencioso&) {
        abortado = true;
    }
    QVERIFY(abortado);
    // Through the handler wrapper nothing is shown.
    ui::Guion g;
    ui::usarGuion(&g);
    bool seguido = false;
    QVERIFY(!ui::protegido([&] {
        ImporteConLetra(Money::fromUnits(unidades), idioma, genero, FormaLetra::Simple);
        seguido = true;
    }));
    ui::usarGuion(nullptr);
    QVERIFY(!seguido);
    QVERIFY(g.mostrados.isEmpty());
    bool ok = true;
    QCOMPARE(ImporteConLetraTexto(Money::fromUnits(unidades), idioma, genero, FormaLetra::Simple, &ok),
             QString("ERROR EN ARGUMENTOS"));
    QVERIFY(!ok);
}

QTEST_MAIN(TestImporteConLetra)
#include "test_importeconletra.moc"
