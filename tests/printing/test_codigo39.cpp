#include <QImage>
#include <QPainter>
#include <QTest>

#include "printing/Code39.h"
#include "printing/Motor.h"

using namespace rpt;

// Code 39 bar codes of the product labels.
class TestCodigo39 : public QObject {
    Q_OBJECT
  private slots:
    void patronesConocidos_data();
    void patronesConocidos();
    void cadaCaracterTieneTresElementosAnchos();
    void simboloConInicioYFin();
    void normalizaLoQueNoSePuedeCodificar();
    void seDibujaComoSeCodifica();
};

void TestCodigo39::patronesConocidos_data() {
    QTest::addColumn<QString>("caracter");
    QTest::addColumn<QString>("modulos");  // wide elements two modules wide
    QTest::newRow("*") << "*"
                       << "100101101101";
    QTest::newRow("0") << "0"
                       << "101001101101";
    QTest::newRow("1") << "1"
                       << "110100101011";
    QTest::newRow("9") << "9"
                       << "101100101101";
    QTest::newRow("A") << "A"
                       << "110101001011";
    QTest::newRow("Z") << "Z"
                       << "100110110101";
    QTest::newRow("-") << "-"
                       << "100101011011";
    QTest::newRow("espacio") << " "
                             << "100110101101";
    QTest::newRow("$") << "$"
                       << "100100100101";
    QTest::newRow("%") << "%"
                       << "101001001001";
}

void TestCodigo39::patronesConocidos() {
    QFETCH(QString, caracter);
    QFETCH(QString, modulos);
    QString e = codigo39::elementos(caracter.at(0));
    QString m;
    for (int k = 0; k < e.size(); ++k) m += QString(e.at(k) == 'w' ? 2 : 1, k % 2 == 0 ? '1' : '0');
    QCOMPARE(m, modulos);
}

void TestCodigo39::cadaCaracterTieneTresElementosAnchos() {
    const QString todos = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*";
    QSet<QString> vistos;
    for (QChar c : todos) {
        QString e = codigo39::elementos(c);
        QCOMPARE(e.size(), 9);
        QCOMPARE(e.count('w'), 3);
        QVERIFY2(!vistos.contains(e), qPrintable(QString(c)));
        vistos << e;
    }
    QVERIFY(codigo39::elementos('#').isEmpty());
}

void TestCodigo39::simboloConInicioYFin() {
    // "*A1*": characters joined by one narrow space.
    QCOMPARE(codigo39::modulos("A1", 2),
             QString("100101101101") + "0" + "110101001011" + "0" + "110100101011" + "0" + "100101101101");
    // Ratio 3: the start character is 6 narrow + 3 wide = 15 modules.
    QCOMPARE(codigo39::modulos("", 3), QString("100010111011101") + "0" + "100010111011101");
}

void TestCodigo39::normalizaLoQueNoSePuedeCodificar() {
    QCOMPARE(codigo39::normalizar("ab-12*#é"), QString("AB-12"));
    QCOMPARE(codigo39::modulos("ab"), codigo39::modulos("AB"));
}

void TestCodigo39::seDibujaComoSeCodifica() {
    // 10 pixels per module: read the bars back from the drawn image.
    const QString codigo = "0000000042";
    const QString esperado = codigo39::modulos(codigo, 3);
    const int px = 10;
    QImage img(int(esperado.size()) * px, 20, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        PaginaImpresa pg;
        BandaImpresa b;
        ItemImpreso it;
        it.tipo = Elemento::Barras39;
        it.rect = QRectF(0, 0, img.width(), 20);
        it.texto = codigo;
        b.items << it;
        pg.bandas << b;
        motor::pintarPagina(p, pg);
    }
    QString leido;
    for (int i = 0; i < esperado.size(); ++i)
        leido += qGray(img.pixel(i * px + px / 2, 10)) < 128 ? '1' : '0';
    QCOMPARE(leido, esperado);
}

QTEST_MAIN(TestCodigo39)
#include "test_codigo39.moc"
