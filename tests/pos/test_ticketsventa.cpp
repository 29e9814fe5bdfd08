#include <QLineEdit>
#include <QPushButton>

#include "TestSupport.h"
#include "catalog/BuscaCliente.h"
#include "common/ATexto.h"
#include "common/Formats.h"
#include "db/Sql.h"
#include "pos/Pago.h"
#include "pos/TicketsVenta.h"
#include "pos/Ventas.h"
#include "printing/Report.h"

// The printed tickets of checkout, and their reprint from the stored sale.
class TestTicketsVenta : public QObject {
    Q_OBJECT
  private slots:
    void ticketDeContado();
    void ticketDeCreditoConPagare();
    void ticketDeTraspaso();
    void reimpresionIgualALaOriginal();
    void importeConLetra();
};

namespace {
struct Venta {
    TiendaDePrueba t{true};
    int marca = t.marca("NISAN");
    int modelo = t.modelo(marca, "TSURU");
    std::unique_ptr<TFrmVentas> v;
    Venta() {
        const int a = t.producto("BALATA DELANTERA", 1234.56 / 2, 300, 10, marca, modelo);
        db::ejecutar("update tblcat_productos set Ano = '00-05' where Id = :id", {{"id", a}});
        t.producto("TAPON", 0.5, 0.1, 10);
        v = std::make_unique<TFrmVentas>();
    }
    void agregar(const QString& parte, const QString& cantidad) {
        auto* d = control<QLineEdit>(v.get(), "TxtDescripcion");
        d->clear();
        d->setText(parte);
        auto* q = control<QLineEdit>(v.get(), "TxtCantidad");
        q->setText(cantidad);
        QTest::keyClick(q, Qt::Key_Return);
    }
    rpt::Documento unico() {
        const QList<rpt::Documento> d = rpt::prueba::impresos();
        if (d.size() != 1) qFatal("%d documents printed", int(d.size()));
        return d[0];
    }
};
}  // namespace

namespace {
// The expected texts appear in this order (other texts may come between them).
bool enOrden(const QStringList& textos, const QStringList& esperados, QString* falta) {
    int i = 0;
    for (const QString& e : esperados) {
        while (i < textos.size() && textos[i] != e) ++i;
        if (i == textos.size()) {
            *falta = e;
            return false;
        }
        ++i;
    }
    return true;
}
#define EN_ORDEN(textos, ...)                                                                            \
    do {                                                                                                 \
        QString falta;                                                                                   \
        QVERIFY2(enOrden(textos, __VA_ARGS__, &falta), qPrintable("missing or out of order: " + falta)); \
    } while (0)

const QStringList kTienda{"KAVO Refaccionaria", "Casa Tolvane"};
}  // namespace

void TestTicketsVenta::ticketDeContado() {
    Venta s;
    s.agregar("BALATA", "2");
    s.agregar("TAPON", "3");
    s.t.guion.dialogo = [](QDialog* d) {
        d->findChild<QPushButton*>("BitBtn1")->click();
        return d->result();
    };
    control<QPushButton>(s.v.get(), "BitBtn7")->click();
    const rpt::Documento d = s.unico();
    QCOMPARE(d.layout, QString("RvTicket"));
    QCOMPARE(d.copias, 1);
    QCOMPARE(d.paginas.value(0).tamano.width(), 76.2);
    QVERIFY(d.paginas.value(0).tamano.height() >= 127);
    EN_ORDEN(d.textos(),
             kTienda + QStringList{"Nota de Venta:", "No. 1", "10/01/2026 17:05:00",
                                   QString::fromUtf8("Descripción"), "Cant.", "P. Unitario", "Importe",
                                   "BALATA DELANTERA NISAN TSURU 00-05", "2", "$617.28", "$1,234.56",
                                   "TAPON   00-05", "3", "$.50", "$1.50", "Total", "$1,236.06",
                                   QString::fromUtf8("Recibí la mercancía en buen estado: ")});
    QVERIFY(!d.texto().contains(QString::fromUtf8("pagaré")));
}

void TestTicketsVenta::ticketDeCreditoConPagare() {
    Venta s;
    const int c = s.t.cliente("TALLER EL RAYO", true, 10000, 30);
    db::ejecutar("update tblcat_clientes set NombreFiscal = 'RAYO REFACCIONES SA DE CV' where Id = :id",
                 {{"id", c}});
    s.agregar("BALATA", "2");
    s.t.guion.respuestas = {true};
    QVERIFY(s.v->aceptarCredito(c));
    const rpt::Documento d = s.unico();
    QCOMPARE(d.layout, QString("RvTicketCredito"));
    QCOMPARE(d.copias, 2);
    QCOMPARE(d.paginas.value(0).tamano.width(), 76.2);
    QVERIFY(d.paginas.value(0).tamano.height() >= 165.1);
    EN_ORDEN(
        d.textos(),
        kTienda + QStringList{"Nota de Venta:",
                              "No. 1",
                              "10/01/2026 17:05:00",
                              "Cliente: TALLER EL RAYO",
                              "Cant.",
                              "P. Unitario",
                              "Importe",
                              QString::fromUtf8("Descripción"),
                              "2",
                              "$617.28",
                              "$1,234.56",
                              "BALATA DELANTERA NISAN TSURU 00-05",
                              "Total",
                              "$1,234.56",
                              "Yo RAYO REFACCIONES SA DE CV",
                              QString::fromUtf8("pagaré incondicionalmente"),
                              "la cantidad de:",
                              "$1,234.56(MIL DOSCIENTOS TREINTA Y CUATRO Pesos CON CINCUENTA Y SEIS Pesos)",
                              "En base a las condiciones ",
                              "de Venta",
                              "Nombre:________________________",
                              "Firma:______________________________"});
}

void TestTicketsVenta::ticketDeTraspaso() {
    Venta s;
    s.agregar("TAPON", "4");
    s.t.guion.respuestas = {true};
    control<QPushButton>(s.v.get(), "BitBtn6")->click();
    const rpt::Documento d = s.unico();
    QCOMPARE(d.layout, QString("RvTicket2"));
    QCOMPARE(d.copias, 1);
    QVERIFY(d.paginas.value(0).tamano.height() >= 114.3);
    const int id = db::valorUnico("select Id from tblctrl_saldostraspasos").toInt();
    EN_ORDEN(d.textos(),
             kTienda + QStringList{"Traspaso:", "No. " + QString::number(id), "10/01/2026 17:05:00", "Cant.",
                                   "P. Unitario", "Importe", QString::fromUtf8("Descripción"), "4", "$.50",
                                   "$2.00", "TAPON   00-05", "Total", "$2.00"});
    QVERIFY(!d.texto().contains("Nota de Venta:"));
}

void TestTicketsVenta::reimpresionIgualALaOriginal() {
    Venta s;
    const int c = s.t.cliente("TALLER EL RAYO", true, 10000, 30);
    s.agregar("BALATA", "1");
    s.t.guion.respuestas = {true};
    QVERIFY(s.v->aceptarCredito(c));
    s.agregar("TAPON", "2");
    s.t.guion.dialogo = [](QDialog* d) {
        d->findChild<QPushButton*>("BitBtn1")->click();
        return d->result();
    };
    control<QPushButton>(s.v.get(), "BitBtn7")->click();
    const QList<rpt::Documento> originales = rpt::prueba::impresos();
    QCOMPARE(originales.size(), 2);

    rpt::prueba::limpiar();
    pos::imprimirNotaDeVenta(1);
    pos::imprimirNotaDeVenta(2);
    pos::imprimirNotaDeVenta(99);  // no such sale: nothing
    const QList<rpt::Documento> copias = rpt::prueba::impresos();
    QCOMPARE(copias.size(), 2);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(copias[i].layout, originales[i].layout);
        QCOMPARE(copias[i].copias, originales[i].copias);
        QCOMPARE(copias[i].textos(), originales[i].textos());
    }
    const rpt::Trabajo t = pos::trabajoNotaDeVenta(2, {"JUAN", "CALLE 1", "555"});
    QCOMPARE(t.parametros.value("Nombre"), QString("JUAN"));
    QCOMPARE(t.parametros.value("Direccion"), QString("CALLE 1"));
    QCOMPARE(t.parametros.value("Telefono"), QString("555"));
}

void TestTicketsVenta::importeConLetra() {
    TiendaDePrueba t;
    QCOMPARE(pos::conLetra(Money::fromDouble(1234.56)),
             QString("$1,234.56(MIL DOSCIENTOS TREINTA Y CUATRO Pesos CON CINCUENTA Y SEIS Pesos)"));
    QCOMPARE(pos::conLetra(Money::fromDouble(1234.56)),
             formato::moneda(1234.56) + "(" +
                 ImporteConLetra(Money::fromUnits(12345600), 1, 1, FormaLetra::Ticket) + ")");
}

QTEST_MAIN(TestTicketsVenta)
#include "test_ticketsventa.moc"
