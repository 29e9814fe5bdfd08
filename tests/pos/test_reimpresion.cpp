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

namespace {
QStringList columna(QTableView* g, int col) {
    QStringList r;
    for (int i = 0; i < g->model()->rowCount(); ++i) r << g->model()->index(i, col).data().toString();
    return r;
}

// Shows the reprint screen and lets `accion` work on it; returns its result.
int enPantalla(TiendaDePrueba& t, const std::function<void(QDialog*)>& accion) {
    t.guion.dialogo = [&](QDialog* d) {
        accion(d);
        return d->result();
    };
    return dialogos().ReimpresionVentas->mostrar();
}
}  // namespace

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
    enPantalla(t, [&](QDialog* d) {
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
    QTest::newRow("contado") << false << "RvTicket" << 1;
    QTest::newRow("crédito") << true << "RvTicketCredito" << 2;
}

void TestReimpresion::reimprimeComoSeImprimio() {
    QFETCH(bool, credito);
    QFETCH(QString, layout);
    QFETCH(int, copias);
    TiendaDePrueba t(true);
    TFrmVentas ventas;  // the reprint prints through the sales screen's tickets
    const int marca = t.marca("Nissan");
    const int a = t.producto("Balata", 100, 60, 10, marca, t.modelo(marca, "Tsuru"));
    const int cliente = credito ? t.cliente("Taller Ruiz") : 0;
    const int venta = ventaGuardada(QDateTime(QDate(2026, 1, 8), QTime(12, 30)), {{a, 12, 102.88}}, cliente);
    ventaGuardada(QDateTime(QDate(2026, 1, 9), QTime(12, 30)), {{a, 1, 100}});
    // Today's price differs: the stored one is what is printed.
    db::ejecutar("update tblcat_productos set Precio1 = 150");

    const int r = enPantalla(t, [&](QDialog* d) {
        auto* g = control<QTableView>(d, "DBGrid1");
        g->setCurrentIndex(g->model()->index(columna(g, 0).indexOf(QString::number(venta)), 0));
        QTest::keyClick(g, Qt::Key_Return);
    });
    QCOMPARE(r, int(QDialog::Accepted));

    const QList<rpt::Documento> impresos = rpt::prueba::impresos();
    QCOMPARE(impresos.size(), 1);
    QCOMPARE(impresos[0].layout, layout);
    QCOMPARE(impresos[0].copias, copias);
    // The very document checkout composes for the stored sale, with the stored prices.
    const rpt::Trabajo comoCheckout = pos::trabajoNotaDeVenta(venta);
    QCOMPARE(impresos[0].textos(), rpt::componer(comoCheckout).textos());
    const rpt::DataSet lineas = comoCheckout.datos.value("DSTicket");
    QCOMPARE(lineas.size(), 1);
    QCOMPARE(lineas.valor(0, "precio").toDouble(), 102.88);
    if (credito)  // the words of the stored total
        QCOMPARE(comoCheckout.datos.value("DSConletraventas").valor(0, "conletra").toString(),
                 "$1,234.56(" + ImporteConLetra(Money::fromDouble(1234.56), 1, 1, FormaLetra::Ticket) + ")");
}

QTEST_MAIN(TestReimpresion)
#include "test_reimpresion.moc"
