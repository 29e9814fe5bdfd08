#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>

#include "TestSupport.h"
#include "catalog/BuscaCliente.h"
#include "common/Dialogos.h"
#include "db/Clock.h"
#include "db/Sql.h"
#include "pos/Cotizaciones.h"
#include "pos/Ventas.h"
#include "printing/Report.h"

namespace {
const QString kSinProductos = "No hay productos seleccionados en la pantalla de ventas, gracias";
const QString kSelecciona = "Por favor selecciona una cotización de la lista, gracias";
const QString kQuitarTodos =
    "¿Estas seguro de querer borrar todos los productos seleccionados en la ventana de ventas?";

// A small store: two parts for one vehicle (their stock moves with the ticket) and one
// without brand or model (its stock never moves).
struct Mostrador {
    TiendaDePrueba t{true};
    int marca = t.marca("Nissan");
    int modelo = t.modelo(marca, "Tsuru");
    int balata = t.producto("Balata", 100, 60, 10, marca, modelo);
    int disco = t.producto("Disco", 49.5, 30, 10, marca, modelo);
    int grasa = t.producto("Grasa", 20, 12, 10);
    TFrmVentas ventas;

    pos::LineaTicket linea(int producto, int cantidad, double precio, const QString& tipo = "TW") {
        db::Consulta q("select Parte, Ano, Costo1, Marca from tblcat_productos where Id = :id");
        q.bind("id", producto);
        q.abrir();
        pos::LineaTicket l;
        l.clave = producto;
        l.cantidad = QString::number(cantidad);
        l.parte = q.texto("Parte");
        l.marca = q.entero("Marca") ? "Nissan" : "";
        l.modelo = q.entero("Marca") ? "Tsuru" : "";
        l.ano = q.texto("Ano");
        l.precio = precio;
        l.costo = q.real("Costo1");
        l.tipo = tipo;
        return l;
    }
    void alTicket(int producto, int cantidad, double precio, const QString& tipo = "TW") {
        ventas.ticket().agregar(linea(producto, cantidad, precio, tipo));
    }
    // Shows the quotation dialog and lets `accion` work on it.
    int enDialogo(const std::function<void(TFrmCotizaciones*)>& accion,
                  const std::function<int(QDialog*)>& anidado = {}) {
        t.guion.dialogo = [=](QDialog* d) {
            if (auto* c = qobject_cast<TFrmCotizaciones*>(d)) {
                accion(c);
                return d->result();
            }
            return anidado ? anidado(d) : int(QDialog::Rejected);
        };
        return dialogos().Cotizaciones->mostrar(&ventas);
    }
};

QStringList items(QListWidget* l) {
    QStringList r;
    for (int i = 0; i < l->count(); ++i) r << l->item(i)->text();
    return r;
}

int contar(const QString& sql, const QVariantMap& p = {}) {
    return db::valorUnico(sql, p).toInt();
}
}  // namespace

class TestCotizaciones : public QObject {
    Q_OBJECT
  private slots:
    void conTicketVacioNoImprimeNiGuarda_data();
    void conTicketVacioNoImprimeNiGuarda();
    void imprimeLaCotizacionActual();
    void nombreEnBlancoSeRechazaYConEspaciosSeGuardaTalCual_data();
    void nombreEnBlancoSeRechazaYConEspaciosSeGuardaTalCual();
    void guardarPreguntaSiQuitarLosProductos_data();
    void guardarPreguntaSiQuitarLosProductos();
    void guardaParaUnCliente();
    void abreUnaCotizacionASusPrecios();
    void abrirSeRechaza_data();
    void abrirSeRechaza();
    void borraUnaCotizacion_data();
    void borraUnaCotizacion();
};

void TestCotizaciones::conTicketVacioNoImprimeNiGuarda_data() {
    QTest::addColumn<QString>("boton");
    QTest::newRow("imprimir") << "BitBtn1";
    QTest::newRow("guardar") << "BitBtn2";
}

void TestCotizaciones::conTicketVacioNoImprimeNiGuarda() {
    QFETCH(QString, boton);
    Mostrador m;
    m.enDialogo([&](TFrmCotizaciones* d) {
        control<QPushButton>(d, boton)->click();
        QVERIFY(!control<QWidget>(d, "PnGuardar")->isVisible());
    });
    QCOMPARE(m.t.guion.mostrados, QStringList{kSinProductos});
    QVERIFY(rpt::prueba::impresos().isEmpty());
}

void TestCotizaciones::imprimeLaCotizacionActual() {
    Mostrador m;
    m.alTicket(m.balata, 3, 100);
    m.alTicket(m.disco, 1, 49.5, "Uso Org.");
    db::ejecutar("insert into tbltmp_ticket (Id, Producto, Cantidad) values (99, 1, 1)");  // an older print
    m.enDialogo([&](TFrmCotizaciones* d) { d->BitBtn1Click(); });

    QCOMPARE(contar("select count(*) from tbltmp_ticket"), 2);
    QCOMPARE(
        contar(
            "select count(*) from tbltmp_ticket where Producto = :p and Cantidad = 1 and TipoTw = 'Uso Org.' "
            "and Precio = 49.5 and Fecha = '2026-01-10 17:05:00'",
            {{"p", m.disco}}),
        1);
    const QList<rpt::Documento> impresos = rpt::prueba::impresos();
    QCOMPARE(impresos.size(), 1);
    QCOMPARE(impresos[0].layout, QString("RvCotizacion"));
    QCOMPARE(impresos[0].copias, 1);
    const QString texto = impresos[0].texto();
    for (const char* s : {"Cotización", "Cant.", "Origen", "P. Unitario", "Balata Nissan Tsuru 00-05",
                          "Uso Org.", "$100.00", "$300.00", "$49.50", "$349.50"})
        QVERIFY2(texto.contains(s), qPrintable(QString(s) + " missing in:\n" + texto));
    // Printing leaves the ticket and its stock alone.
    QCOMPARE(m.ventas.ticket().lineas(), 2);
    QCOMPARE(m.t.existencia(m.balata), 7.0);
}

void TestCotizaciones::nombreEnBlancoSeRechazaYConEspaciosSeGuardaTalCual_data() {
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<bool>("guardada");
    QTest::newRow("vacío") << "" << false;
    QTest::newRow("sólo espacios") << "   " << false;
    QTest::newRow("con espacios alrededor") << "  Frenos Ruiz  " << true;
    QTest::newRow("comilla y acento") << "O'Brien añejo 100%" << true;
}

void TestCotizaciones::nombreEnBlancoSeRechazaYConEspaciosSeGuardaTalCual() {
    QFETCH(QString, nombre);
    QFETCH(bool, guardada);
    Mostrador m;
    m.alTicket(m.balata, 3, 100);
    m.t.guion.respuestas = {false};
    m.enDialogo([&](TFrmCotizaciones* d) {
        d->BitBtn2Click();
        QVERIFY(control<QWidget>(d, "PnGuardar")->isVisible());
        QCOMPARE(control<QLabel>(d, "lblcliente")->text(), QString("Sin Cliente"));
        control<QLineEdit>(d, "txtnombre")->insert(nombre);
        d->BitBtn5Click();
    });
    QCOMPARE(contar("select count(*) from tblctrl_saldoscotizaciones"), guardada ? 1 : 0);
    if (!guardada) {
        QCOMPARE(m.t.guion.mostrados, QStringList{"Por favor introduce un nombre, gracias"});
        return;
    }
    QCOMPARE(db::valorUnico("select Nombre from tblctrl_saldoscotizaciones").toString(), nombre);
}

void TestCotizaciones::guardarPreguntaSiQuitarLosProductos_data() {
    QTest::addColumn<bool>("quitar");
    QTest::newRow("sí") << true;
    QTest::newRow("no") << false;
}

void TestCotizaciones::guardarPreguntaSiQuitarLosProductos() {
    QFETCH(bool, quitar);
    Mostrador m;
    m.alTicket(m.balata, 3, 100);
    m.alTicket(m.disco, 1, 49.5, "Uso Org.");
    QCOMPARE(m.t.existencia(m.balata), 7.0);
    m.t.guion.respuestas = {quitar};
    const int r = m.enDialogo([&](TFrmCotizaciones* d) {
        d->BitBtn2Click();
        control<QLineEdit>(d, "txtnombre")->setText("Frenos");
        control<QPushButton>(d, "BitBtn5")->click();
    });
    QCOMPARE(r, int(QDialog::Accepted));
    QCOMPARE(m.t.guion.mostrados, (QStringList{"La cotización ha sido guardada, gracias", kQuitarTodos}));

    db::Consulta h("select * from tblctrl_saldoscotizaciones");
    h.abrir();
    QCOMPARE(h.entero("Cliente"), 0);
    QCOMPARE(h.dinero("Total"), Money::fromDouble(349.5));
    QCOMPARE(h.texto("Fecha"), QString("2026-01-10 17:05:00"));
    db::Consulta k("select * from tblctrl_kardexcotizaciones where Saldo = :s order by Id");
    k.bind("s", h.entero("Id"));
    k.abrir();
    QStringList lineas;
    if (!k.vacia()) do
            lineas << QString("%1 %2 %3 %4 %5")
                          .arg(k.entero("Producto"))
                          .arg(k.entero("Cantidad"))
                          .arg(k.dinero("Precio").toSql(), k.dinero("Costo").toSql(), k.texto("Tipo"));
        while (k.siguiente());
    QCOMPARE(lineas, (QStringList{QString("%1 3 100 60 TW").arg(m.balata),
                                  QString("%1 1 49.5 30 Uso Org.").arg(m.disco)}));

    // On Yes the ticket is emptied and its stock given back; on No both stay.
    QCOMPARE(m.ventas.ticket().lineas(), quitar ? 0 : 2);
    QCOMPARE(m.t.existencia(m.balata), quitar ? 10.0 : 7.0);
    QCOMPARE(m.t.existencia(m.disco), quitar ? 10.0 : 9.0);

    // Listed without a customer: the name, the date and nothing after the blank.
    m.t.guion.limpiar();
    m.enDialogo([&](TFrmCotizaciones* d) {
        QCOMPARE(items(control<QListWidget>(d, "Lstcot")), QStringList{"Frenos - 10/01/2026 17:05:00 "});
    });
}

void TestCotizaciones::guardaParaUnCliente() {
    Mostrador m;
    const int cliente = m.t.cliente("Taller Ruiz");
    m.alTicket(m.balata, 1, 100);
    m.t.guion.respuestas = {false};
    QList<int> propositos;
    m.enDialogo(
        [&](TFrmCotizaciones* d) {
            d->BitBtn2Click();
            control<QLineEdit>(d, "txtnombre")->setText("Para Ruiz");
            d->BitBtn3Click();
            QCOMPARE(control<QLabel>(d, "lblcliente")->text(), QString("Taller Ruiz"));
            d->BitBtn5Click();
        },
        [&](QDialog* d) {
            // The customer search, opened for the quotation: choose the customer.
            auto* busca = qobject_cast<TFrmBuscaCliente*>(d);
            if (!busca) return int(QDialog::Rejected);
            propositos << busca->proposito();
            auto* g = control<QAbstractItemView>(busca, "Grid");
            for (int i = 0; i < g->model()->rowCount(); ++i)
                if (g->model()->index(i, 0).data().toInt() == cliente)
                    g->setCurrentIndex(g->model()->index(i, 0));
            busca->SeleccionarCliente();
            return busca->result();
        });
    QCOMPARE(propositos, QList<int>{6});
    QCOMPARE(db::valorUnico("select Cliente from tblctrl_saldoscotizaciones").toInt(), cliente);
    m.enDialogo([&](TFrmCotizaciones* d) {
        QCOMPARE(items(control<QListWidget>(d, "Lstcot")),
                 QStringList{"Para Ruiz - 10/01/2026 17:05:00 Taller Ruiz"});
        // The save panel forgets the customer each time it is shown.
        d->BitBtn2Click();
        QCOMPARE(control<QLabel>(d, "lblcliente")->text(), QString("Sin Cliente"));
    });
}

void TestCotizaciones::abreUnaCotizacionASusPrecios() {
    Mostrador m;
    // Saved at other prices than today's, older first.
    reloj::fijar(QDateTime(QDate(2026, 1, 2), QTime(9, 0)));
    pos::guardarCotizacion("Vieja", 0, Money::fromDouble(20), {m.linea(m.grasa, 1, 20)});
    reloj::fijar(QDateTime(QDate(2026, 1, 5), QTime(9, 0)));
    const int id = pos::guardarCotizacion("Frenos", 0, Money::fromDouble(309.75),
                                          {m.linea(m.balata, 3, 95.25), m.linea(m.grasa, 1, 24, "Uso Org.")});
    reloj::fijar(QDateTime(QDate(2026, 1, 10), QTime(17, 5)));

    const int r = m.enDialogo([&](TFrmCotizaciones* d) {
        auto* l = control<QListWidget>(d, "Lstcot");
        QCOMPARE(items(l), (QStringList{"Frenos - 05/01/2026 09:00:00 ", "Vieja - 02/01/2026 09:00:00 "}));
        l->setCurrentRow(0);
        QTest::keyClick(l, Qt::Key_Return);
    });
    QCOMPARE(r, int(QDialog::Accepted));
    QVERIFY(m.t.guion.mostrados.isEmpty());

    pos::Ticket& ticket = m.ventas.ticket();
    QCOMPARE(ticket.lineas(), 2);
    const pos::LineaTicket a = ticket.linea(1);
    QCOMPARE(a.clave, m.balata);
    QCOMPARE(a.cantidad, QString("3"));
    QCOMPARE(a.parte, QString("Balata"));
    QCOMPARE(a.marca, QString("Nissan"));
    QCOMPARE(a.modelo, QString("Tsuru"));
    QCOMPARE(a.precio, 95.25);
    QCOMPARE(a.costo, 60.0);
    QCOMPARE(ticket.linea(2).tipo, QString("Uso Org."));
    QCOMPARE(ticket.linea(2).precio, 24.0);
    QCOMPARE(ticket.total(), 309.75);
    // Stock taken once, only for the part with a vehicle.
    QCOMPARE(m.t.existencia(m.balata), 7.0);
    QCOMPARE(m.t.existencia(m.grasa), 10.0);
    // The quotation stays saved.
    QCOMPARE(contar("select count(*) from tblctrl_kardexcotizaciones where Saldo = :s", {{"s", id}}), 2);
    // Taking the line off the ticket gives the 3 back.
    ticket.quitar(1);
    QCOMPARE(m.t.existencia(m.balata), 10.0);
}

void TestCotizaciones::abrirSeRechaza_data() {
    QTest::addColumn<bool>("conTicket");
    QTest::addColumn<bool>("seleccion");
    QTest::addColumn<QString>("mensaje");
    QTest::newRow("sin selección") << false << false << kSelecciona;
    QTest::newRow("ticket con productos") << true << true
                                          << "Hay productos pendientes en la pantalla de ventas, por favor "
                                             "retiralos antes de abrir una cotización, "
                                             "gracias";
}

void TestCotizaciones::abrirSeRechaza() {
    QFETCH(bool, conTicket);
    QFETCH(bool, seleccion);
    QFETCH(QString, mensaje);
    Mostrador m;
    pos::guardarCotizacion("Frenos", 0, Money::fromDouble(300), {m.linea(m.balata, 3, 100)});
    if (conTicket) m.alTicket(m.disco, 1, 49.5);
    const int r = m.enDialogo([&](TFrmCotizaciones* d) {
        if (seleccion) control<QListWidget>(d, "Lstcot")->setCurrentRow(0);
        control<QPushButton>(d, "BitBtn6")->click();
    });
    QCOMPARE(r, int(QDialog::Rejected));
    QCOMPARE(m.t.guion.mostrados, QStringList{mensaje});
    QCOMPARE(m.ventas.ticket().lineas(), conTicket ? 1 : 0);
    QCOMPARE(m.t.existencia(m.balata), 10.0);
}

void TestCotizaciones::borraUnaCotizacion_data() {
    QTest::addColumn<bool>("respuesta");
    QTest::newRow("sí") << true;
    QTest::newRow("no") << false;
}

void TestCotizaciones::borraUnaCotizacion() {
    QFETCH(bool, respuesta);
    Mostrador m;
    const int queda = pos::guardarCotizacion("Otra", 0, Money::fromDouble(20), {m.linea(m.grasa, 1, 20)});
    reloj::fijar(QDateTime(QDate(2026, 1, 10), QTime(17, 6)));
    const int id = pos::guardarCotizacion("Frenos", 0, Money::fromDouble(300), {m.linea(m.balata, 3, 100)});
    m.t.guion.respuestas = {respuesta};
    m.enDialogo([&](TFrmCotizaciones* d) {
        auto* l = control<QListWidget>(d, "Lstcot");
        QTest::keyClick(l, Qt::Key_Delete);  // nothing chosen yet
        l->setCurrentRow(0);
        QTest::keyClick(l, Qt::Key_Delete);
        QCOMPARE(l->count(), respuesta ? 1 : 2);
    });
    QCOMPARE(m.t.guion.mostrados,
             (QStringList{kSelecciona,
                          "Estas seguro(a) de querer borrar la cotización: Frenos - 10/01/2026 17:06:00 ?"}));
    const int n = respuesta ? 0 : 1;
    QCOMPARE(contar("select count(*) from tblctrl_saldoscotizaciones where Id = :i", {{"i", id}}), n);
    QCOMPARE(contar("select count(*) from tblctrl_kardexcotizaciones where Saldo = :i", {{"i", id}}), n);
    QCOMPARE(contar("select count(*) from tblctrl_kardexcotizaciones where Saldo = :i", {{"i", queda}}), 1);
}

QTEST_MAIN(TestCotizaciones)
#include "test_cotizaciones.moc"
