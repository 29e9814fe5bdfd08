#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "CreditoFixture.h"
#include "TestSupport.h"
#include "common/ATexto.h"
#include "common/Formats.h"
#include "credit/ControlCredito.h"
#include "credit/HistorialPagos.h"
#include "db/Clock.h"
#include "printing/Report.h"

using fixture::deuda;
using fixture::m;

namespace {
const QDateTime kAhora(QDate(2026, 1, 10), QTime(17, 5, 0));

// Each expected text appears, in this order, among the printed ones.
QString faltante(const QStringList& textos, const QStringList& esperados) {
    int desde = 0;
    for (const QString& e : esperados) {
        const int i = textos.indexOf(e, desde);
        if (i < 0) return "no aparece en orden: \"" + e + "\"\n" + textos.join(" | ");
        desde = i + 1;
    }
    return {};
}
#define EN_ORDEN(textos, esperados)                         \
    do {                                                    \
        const QString f_ = faltante((textos), (esperados)); \
        QVERIFY2(f_.isEmpty(), qPrintable(f_));             \
    } while (0)

void cargar(TFrmControlCredito& f, int cliente) {
    auto* txt = control<QLineEdit>(&f, "txtnocliente");
    txt->setText(QString::number(cliente));
    QTest::keyClick(txt, Qt::Key_Return);
}

void renglon(int venta, int producto, int cantidad, double precio) {
    db::ejecutar(
        "insert into tblctrl_kardexventas (Producto, Cantidad, Precio, Costo, Fecha, Cancelado, Saldo, "
        "Credito) "
        "values (:p, :c, :precio, 0, :f, 0, :v, 1)",
        {{"p", producto}, {"c", cantidad}, {"precio", precio}, {"f", dialecto::fecha(kAhora)}, {"v", venta}});
}
}  // namespace

class TestCreditoImpresos : public QObject {
    Q_OBJECT
  private slots:
    void reciboDelPago();
    void reciboDeUnPagoEnCero();
    void estadoDeCuenta();
    void historialDePagos();
};

void TestCreditoImpresos::reciboDelPago() {
    TiendaDePrueba t(true);
    const int c = t.cliente("JUAN PÉREZ");
    deuda(c, 7, 50, kAhora.addDays(-40), kAhora.addDays(-10));  // overdue
    deuda(c, 8, 80, kAhora.addDays(-5), kAhora.addDays(25));    // current
    deuda(c, 9, 20, kAhora.addDays(-2), kAhora.addDays(-1));    // overdue, newest
    TFrmControlCredito f;
    f.show();
    cargar(f, c);
    control<QLineEdit>(&f, "TxtCantidad")->setText("100");
    t.guion.respuestas = {true};
    control<QPushButton>(&f, "BtnPagar")->click();

    const QList<rpt::Documento> docs = rpt::prueba::impresos();
    QCOMPARE(docs.size(), 1);
    QCOMPARE(docs[0].layout, QString("Ticket"));
    const int pago = db::valorUnico("select max(id) from tblctrl_saldoscredito").toInt();
    const QString letra =
        formato::moneda(m(100)) + "(" + ImporteConLetra(m(100), 1, 1, FormaLetra::Ticket) + ")";
    QVERIFY(letra.contains("CIEN"));
    EN_ORDEN(docs[0].textos(), (QStringList{"Recibo de Pago:",
                                            "No. " + QString::number(pago),
                                            "10/01/2026 17:05:00",
                                            "Recibo de Pago",
                                            "Recibí de JUAN PÉREZ la cantidad de:",
                                            letra,
                                            "por concepto de Pago y/o abono a las siguientes notas:",
                                            "Nota:",
                                            "7",
                                            "Total:",
                                            "$50.00",
                                            "Status:",
                                            "Nota Pagada",
                                            "Nota:",
                                            "8",
                                            "Total:",
                                            "$50.00",
                                            "Status:",
                                            "Nota Parcialmente Pagada, Adeudo: $30.00",
                                            "Total Pagado",
                                            "$100.00",
                                            "Saldo Vencido",
                                            "$20.00",
                                            "Saldo Al Corriente",
                                            "$30.00"}));
    QCOMPARE(docs[0].texto().count("Nota:"), 2);
}

void TestCreditoImpresos::reciboDeUnPagoEnCero() {
    TiendaDePrueba t(true);
    const int c = t.cliente("JUAN");
    deuda(c, 7, 50, kAhora.addDays(-40), kAhora.addDays(-10));
    TFrmControlCredito f;
    f.show();
    cargar(f, c);
    control<QLineEdit>(&f, "TxtCantidad")->setText("0");
    t.guion.respuestas = {true};
    control<QPushButton>(&f, "BtnPagar")->click();
    QCOMPARE(fixture::contar("tblctrl_saldoscredito"), 1);
    QCOMPARE(fixture::contar("tblctrl_kardexcredito"), 0);
    const QList<rpt::Documento> docs = rpt::prueba::impresos();
    QCOMPARE(docs.size(), 1);
    QVERIFY(!docs[0].texto().contains("Nota:"));
    EN_ORDEN(docs[0].textos(), (QStringList{"Total Pagado", "$0.00", "Saldo Vencido", "$50.00"}));
}

void TestCreditoImpresos::estadoDeCuenta() {
    TiendaDePrueba t(true);
    const int marca = t.marca("NISSAN");
    const int modelo = t.modelo(marca, "TSURU");
    const int balata = t.producto("BALATA DELANTERA", 350, 200, 10, marca, modelo);
    const int filtro = t.producto("FILTRO DE ACEITE", 80, 40, 10, marca, modelo);
    const int c = t.cliente("JUAN PÉREZ");
    deuda(c, 7, 50, kAhora.addDays(-40), kAhora.addDays(-10));  // overdue
    deuda(c, 8, 80, kAhora.addDays(-5), kAhora.addDays(25));    // current
    deuda(c, 9, 15, kAhora.addDays(-3), kAhora.addDays(27));    // its sale has no lines
    const qlonglong pagada = deuda(c, 6, 99, kAhora.addDays(-60), kAhora.addDays(-30));
    cobranza::pagarNota(pagada);
    renglon(7, balata, 1, 50);
    renglon(8, filtro, 1, 40);
    renglon(8, balata, 1, 40);
    renglon(6, filtro, 1, 99);

    TFrmControlCredito f;
    f.show();
    cargar(f, c);
    control<QPushButton>(&f, "BitBtn5")->click();
    const QList<rpt::Documento> docs = rpt::prueba::impresos();
    QCOMPARE(docs.size(), 1);
    QCOMPARE(docs[0].layout, QString("EstadoDeCuenta"));
    const QString b = QString::number(balata), fi = QString::number(filtro);
    EN_ORDEN(docs[0].textos(), (QStringList{"Estado de Cuenta",
                                            "Fecha",
                                            "10/01/2026",
                                            "Cliente:",
                                            "JUAN PÉREZ",
                                            "No. Cliente:",
                                            QString::number(c),
                                            "Nota:",
                                            "7",
                                            "Fecha:",
                                            "Status:",
                                            "Sin Pago",
                                            "Saldo:",
                                            "$50.00",
                                            "Código",
                                            "Producto",
                                            b,
                                            "BALATA DELANTERA NISSAN TSURU 00-05",
                                            "Nota:",
                                            "8",
                                            "Saldo:",
                                            "$80.00",
                                            fi,
                                            "FILTRO DE ACEITE NISSAN TSURU 00-05",
                                            b,
                                            "Saldo Vencido:",
                                            "$50.00",
                                            "Saldo al Corriente:",
                                            "$95.00",
                                            "Saldo Total:",
                                            "$145.00",
                                            "Página 1 De 1"}));
    // Neither the paid note nor the one without lines is listed.
    QCOMPARE(docs[0].texto().count("Nota:"), 2);
    QVERIFY(!docs[0].textos().contains("6"));
    QVERIFY(!docs[0].textos().contains("9"));
}

void TestCreditoImpresos::historialDePagos() {
    TiendaDePrueba t(true);
    const int c = t.cliente("JUAN PÉREZ");
    deuda(c, 7, 50, kAhora.addDays(-40), kAhora.addDays(-10));
    deuda(c, 8, 80, kAhora.addDays(-5), kAhora.addDays(25));
    const cobranza::Pago primero = cobranza::pagar(c, m(100));
    reloj::fijar(kAhora.addDays(2));
    const cobranza::Pago segundo = cobranza::pagar(c, m(10));
    TFrmControlCredito f;
    f.show();
    cargar(f, c);
    t.guion.dialogo = [&](QDialog* d) {
        control<QCalendarWidget>(d, "date1")->setSelectedDate(QDate(2026, 1, 10));
        control<QCalendarWidget>(d, "date2")->setSelectedDate(QDate(2026, 1, 10));
        control<QPushButton>(d, "BitBtn1")->click();
        return d->result();
    };
    control<QPushButton>(&f, "BitBtn7")->click();
    const QList<rpt::Documento> docs = rpt::prueba::impresos();
    QCOMPARE(docs.size(), 1);
    QCOMPARE(docs[0].layout, QString("HistorialDePagos"));
    EN_ORDEN(docs[0].textos(), (QStringList{"Historial de Pagos",
                                            "Fecha",
                                            "12/01/2026",
                                            "Cliente:",
                                            "JUAN PÉREZ",
                                            "No. Cliente:",
                                            QString::number(c),
                                            "Pago Id:",
                                            QString::number(primero.numero),
                                            "Fecha:",
                                            "10/01/2026 17:05:00",
                                            "Total del Pago:",
                                            "$100.00",
                                            "Nota",
                                            "Pago",
                                            "Status",
                                            "7",
                                            "$50.00",
                                            "Nota Pagada",
                                            "8",
                                            "$50.00",
                                            "Nota Parcialmente Pagada, Adeudo: $30.00",
                                            "Total Pagos:",
                                            "$100.00",
                                            "Página 1 De 1"}));
    // The later day is outside the range.
    QVERIFY(!docs[0].textos().contains("$10.00"));
    Q_UNUSED(segundo);
}

QTEST_MAIN(TestCreditoImpresos)
#include "test_credito_impresos.moc"
