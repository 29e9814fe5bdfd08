#include <QAbstractItemModel>
#include <QPushButton>
#include <QTableView>
#include <functional>

#include "TestSupport.h"
#include "common/ATexto.h"
#include "common/Dialogos.h"
#include "pos/ReimpresionVentas.h"
#include "pos/TicketsVenta.h"
#include "pos/Ventas.h"
#include "printing/Report.h"
#include "test_cancelaciones_ventas.h"

class TestReimpresion : public QObject {
    Q_OBJECT
  private slots:
    void listaTodasLasVentasConSusLineas();
    void reimprimeComoSeImprimio_data();
    void reimprimeComoSeImprimio();
};

void TestReimpresion::listaTodasLasVentasConSusLineas() {
    TiendaDePrueba t(true);
    const int marca = t.marca("Nissan");
    const int a = t.producto("Balata", 100, 60, 10, marca, t.modelo(marca, "Tsuru"));
    const int cliente = t.cliente("Taller Ruiz");
    const int vieja = ventaGuardada(QDateTime(QDate(2025, 3, 1), QTime(10, 0)), {{a, 1, 100}});
    const int hoy = ventaGuardada(QDateTime(QDate(2026, 1, 10), QTime(9, 0)), {{a, 2, 95.5}}, cliente);
    enPantalla(t, dialogos().ReimpresionVentas, [&](QDialog* d) {
        auto* g = control<QTableView>(d, "DBGrid1");
        QCOMPARE(columna(g, 0), (QStringList{QString::number(hoy), QString::number(vieja)}));
        QCOMPARE(columna(g, 2), (QStringList{"$191.00", "$100.00"}));
        QCOMPARE(columna(g, 3), (QStringList{"Taller Ruiz", ""}));
        auto* lineas = control<QTableView>(d, "DBGrid2");
        QCOMPARE(lineas->model()->rowCount(), 1);
        QStringList fila;
        for (int c = 0; c < lineas->model()->columnCount(); ++c)
            fila << lineas->model()->index(0, c).data().toString();
        QCOMPARE(fila,
                 (QStringList{QString::number(a), "2", "Balata", "Nissan", "Tsuru", "00-05", "$95.50"}));
    });
    QVERIFY(rpt::prueba::impresos().isEmpty());
}

void TestReimpresion::reimprimeComoSeImprimio_data() {
    QTest::addColumn<bool>("credito");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("copias");
    QTest::addColumn<QStringList>("presentes");  // rendered texts the ticket must carry
    QTest::addColumn<QStringList>("ausentes");
    const QString letra =
        "$1,234.56(" + ImporteConLetra(Money::fromDouble(1234.56), 1, 1, FormaLetra::Ticket) + ")";
    QTest::newRow("contado") << false << "RvTicket" << 1
                             << QStringList{"Nota de Venta:", "Balata Nissan Tsuru 00-05", "$102.88",
                                            "$1,234.56", "Recibí la mercancía en buen estado: "}
                             << QStringList{"pagaré incondicionalmente", letra, "$150.00"};
    QTest::newRow("crédito") << true << "RvTicketCredito" << 2 << QStringList{"Nota de Venta:",
                                                                              "Cliente: Taller Ruiz",
                                                                              "Balata Nissan Tsuru 00-05",
                                                                              "$1,234.56",
                                                                              "Yo Taller Ruiz",
                                                                              "pagaré incondicionalmente",
                                                                              "la cantidad de:",
                                                                              letra}
                             << QStringList{"Recibí la mercancía en buen estado: ", "$150.00"};
}

void TestReimpresion::reimprimeComoSeImprimio() {
    QFETCH(bool, credito);
    QFETCH(QString, layout);
    QFETCH(int, copias);
    QFETCH(QStringList, presentes);
    QFETCH(QStringList, ausentes);
    TiendaDePrueba t(true);
    TFrmVentas ventas;  // the reprint prints through the sales screen's tickets
    const int marca = t.marca("Nissan");
    const int a = t.producto("Balata", 100, 60, 10, marca, t.modelo(marca, "Tsuru"));
    const int cliente = credito ? t.cliente("Taller Ruiz") : 0;
    const int venta = ventaGuardada(QDateTime(QDate(2026, 1, 8), QTime(12, 30)), {{a, 12, 102.88}}, cliente);
    ventaGuardada(QDateTime(QDate(2026, 1, 9), QTime(12, 30)), {{a, 1, 100}});
    // Today's price differs: the stored one is what is printed.
    db::ejecutar("update tblcat_productos set Precio1 = 150");

    const int r = enPantalla(t, dialogos().ReimpresionVentas, [&](QDialog* d) {
        elegir(control<QTableView>(d, "DBGrid1"), venta);
        QTest::keyClick(control<QTableView>(d, "DBGrid1"), Qt::Key_Return);
    });
    QCOMPARE(r, int(QDialog::Accepted));

    const QList<rpt::Documento> impresos = rpt::prueba::impresos();
    QCOMPARE(impresos.size(), 1);
    QCOMPARE(impresos[0].layout, layout);
    QCOMPARE(impresos[0].copias, copias);
    // The rendered ticket: the sale's number and date, its stored line and total and, on
    // credit, the promissory note with the words of the stored total.
    const QStringList textos = impresos[0].textos();
    const QString todo = textos.join("\n");
    for (const QString& s : presentes + QStringList{"No. " + QString::number(venta), "08/01/2026 12:30:00"})
        QVERIFY2(textos.contains(s), qPrintable("\"" + s + "\" missing in:\n" + todo));
    for (const QString& s : ausentes) QVERIFY2(!todo.contains(s), qPrintable("\"" + s + "\" printed"));
    // The very document checkout composes for the stored sale.
    QCOMPARE(textos, rpt::componer(pos::trabajoNotaDeVenta(venta)).textos());
}

QTEST_MAIN(TestReimpresion)
#include "test_reimpresion.moc"
