#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>

#include "TestSupport.h"
#include "common/Formats.h"
#include "db/Sql.h"
#include "pos/Precios.h"
#include "pos/Ticket.h"
#include "pos/Ventas.h"

// The ticket: how a line is priced, what it does to stock, and what survives a crash.
class TestTicket : public QObject {
    Q_OBJECT
  private slots:
    void reglasDePrecio_data();
    void reglasDePrecio();
    void agregarTomaExistenciaYQuitarLaDevuelve();
    void cantidadNegativaSubeLaExistencia();
    void sinMarcaNiModeloNoMueveExistencia();
    void quitarLineaSubeLasSiguientesYNumera();
    void quitarTodosDevuelveTodoYReinicia();
    void quitarConTicketVacio();
    void capturaQueNoEsNumeroNoCambiaNada_data();
    void capturaQueNoEsNumeroNoCambiaNada();
    void precioEspecialSeUsaUnaVez();
    void sobreprecioConservaElPrecioEspecial();
    void ticketPendienteSobreviveAUnaCaida();
    void ticketPendienteEsDeCadaEstacion();
    void totalEnPrecisionCompleta();
};

namespace {
// A screen with one vehicle and products on it, found by their description.
struct Mostrador {
    TiendaDePrueba t{true};
    int marca = t.marca("NISAN");
    int modelo = t.modelo(marca, "TSURU");
    std::unique_ptr<TFrmVentas> v;

    TFrmVentas& abrir() {
        v = std::make_unique<TFrmVentas>();
        return *v;
    }
    int producto(const QString& parte, double precio, double costo = 0, double existencia = 10) {
        return t.producto(parte, precio, costo, existencia, marca, modelo);
    }
    void buscar(const QString& descripcion) {
        control<QLineEdit>(v.get(), "TxtDescripcion")->setText(descripcion);
    }
    // Enter in the quantity box puts the current product row on the ticket.
    void agregar(const QString& cantidad = "1") {
        auto* q = control<QLineEdit>(v.get(), "TxtCantidad");
        q->setText(cantidad);
        QTest::keyClick(q, Qt::Key_Return);
    }
    QTableWidget* grid() { return control<QTableWidget>(v.get(), "Grid"); }
    QString celda(int r, int c) {
        auto* it = grid()->item(r, c);
        return it ? it->text() : QString();
    }
    QString total() { return control<QLabel>(v.get(), "LblTotal")->text(); }
    int pendientes() { return db::valorUnico("select count(*) from tbltmp_ticketpendiente").toInt(); }
};
}  // namespace

void TestTicket::reglasDePrecio_data() {
    QTest::addColumn<QString>("moneda");
    QTest::addColumn<double>("precio1");
    QTest::addColumn<double>("costo1");
    QTest::addColumn<int>("sobreprecio");    // 0 normal, 15, 20, 25
    QTest::addColumn<int>("tipoDescuento");  // -1: no discount customer
    QTest::addColumn<int>("porcentaje");
    QTest::addColumn<int>("porcentajeFamilia");  // -1: no row for the family
    QTest::addColumn<QString>("especial");
    QTest::addColumn<double>("tipoCambio");
    QTest::addColumn<double>("esperado");

    const QString P = "Pesos", D = QString::fromUtf8("Dólares");
    QTest::newRow("precio de lista") << P << 10.0 << 5.0 << 0 << -1 << 0 << -1 << "" << 13.5 << 10.0;
    QTest::newRow("lista en dolares") << D << 10.0 << 5.0 << 0 << -1 << 0 << -1 << "" << 13.5 << 135.0;
    QTest::newRow("dolares a 20") << D << 10.0 << 5.0 << 0 << -1 << 0 << -1 << "" << 20.0 << 200.0;
    QTest::newRow("20% en dolares") << D << 10.0 << 8.0 << 20 << -1 << 0 << -1 << "" << 13.5 << 129.6;
    QTest::newRow("15% sobre 10.01") << P << 50.0 << 10.01 << 15 << -1 << 0 << -1 << "" << 1.0 << 11.5115;
    QTest::newRow("25% ignora especial y cliente")
        << P << 50.0 << 10.0 << 25 << 1 << 10 << -1 << "7" << 1.0 << 12.5;
    QTest::newRow("especial sin cliente") << P << 50.0 << 10.0 << 0 << -1 << 0 << -1 << "7.5" << 1.0 << 7.5;
    QTest::newRow("especial con cliente") << P << 50.0 << 10.0 << 0 << 1 << 10 << -1 << "7.5" << 1.0 << 7.5;
    QTest::newRow("especial en dolares") << D << 50.0 << 10.0 << 0 << -1 << 0 << -1 << "2" << 13.0 << 26.0;
    QTest::newRow("cliente tipo 1 con 10%")
        << P << 200.0 << 100.0 << 0 << 1 << 10 << -1 << "" << 1.0 << 180.0;
    QTest::newRow("cliente tipo 2 con 25%")
        << P << 200.0 << 100.0 << 0 << 2 << 25 << -1 << "" << 1.0 << 125.0;
    QTest::newRow("cliente tipo 2 en dolares")
        << D << 200.0 << 100.0 << 0 << 2 << 25 << -1 << "" << 10.0 << 1250.0;
    QTest::newRow("tipo 3 sin renglon de familia")
        << P << 200.0 << 100.0 << 0 << 3 << 0 << -1 << "" << 1.0 << 200.0;
    QTest::newRow("tipo 3 con 15% a la familia")
        << P << 200.0 << 100.0 << 0 << 3 << 0 << 15 << "" << 1.0 << 170.0;
    QTest::newRow("tipo 1 con 0% va por familia")
        << P << 200.0 << 100.0 << 0 << 1 << 0 << 5 << "" << 1.0 << 190.0;
    QTest::newRow("tipo desconocido va por familia")
        << P << 200.0 << 100.0 << 0 << 7 << 40 << 5 << "" << 1.0 << 190.0;
}

void TestTicket::reglasDePrecio() {
    QFETCH(QString, moneda);
    QFETCH(double, precio1);
    QFETCH(double, costo1);
    QFETCH(int, sobreprecio);
    QFETCH(int, tipoDescuento);
    QFETCH(int, porcentaje);
    QFETCH(int, porcentajeFamilia);
    QFETCH(QString, especial);
    QFETCH(double, tipoCambio);
    QFETCH(double, esperado);

    TiendaDePrueba t;
    const int familia = t.familia("FRENOS");
    const int otra = t.familia("MOTOR");
    pos::ProductoLista p;
    p.id = 1;
    p.familia = familia;
    p.precio1 = precio1;
    p.costo1 = costo1;
    p.moneda = moneda;

    pos::ReglasPrecio r;
    r.sobreprecio = sobreprecio == 15   ? pos::Sobreprecio::Mas15
                    : sobreprecio == 20 ? pos::Sobreprecio::Mas20
                    : sobreprecio == 25 ? pos::Sobreprecio::Mas25
                                        : pos::Sobreprecio::Normal;
    r.tipoCambio = tipoCambio;
    if (!especial.isEmpty()) {
        r.hayEspecial = true;
        r.especial = especial.toDouble();
    }
    if (tipoDescuento >= 0) {
        const int c = t.cliente("TALLER");
        db::ejecutar("update tblcat_clientes set TipoDescuento = :t, Porcentaje = :p where Id = :id",
                     {{"t", tipoDescuento}, {"p", porcentaje}, {"id", c}});
        // A percentage for another family never applies.
        db::ejecutar("insert into tblctrl_descuentos (Cliente, Familia, Porcentaje) values (:c, :f, 50)",
                     {{"c", c}, {"f", otra}});
        if (porcentajeFamilia >= 0)
            db::ejecutar("insert into tblctrl_descuentos (Cliente, Familia, Porcentaje) values (:c, :f, :p)",
                         {{"c", c}, {"f", familia}, {"p", porcentajeFamilia}});
        r.clienteDescuento = c;
    }

    const pos::PrecioElegido e = pos::precioUnitario(p, r);
    QVERIFY2(qAbs(e.precio - esperado) < 1e-9, qPrintable(QString::number(e.precio, 'g', 17)));
    QCOMPARE(e.usoEspecial, !especial.isEmpty() && sobreprecio == 0);
    // What the document stores: four decimals, rounded to nearest.
    QCOMPARE(Money::fromDouble(e.precio), Money::fromDouble(esperado));
}

void TestTicket::agregarTomaExistenciaYQuitarLaDevuelve() {
    Mostrador m;
    const int id = m.producto("BALATA DELANTERA", 250, 120, 10);
    TFrmVentas& v = m.abrir();
    QCOMPARE(m.grid()->rowCount(), 2);  // caption row and the trailing empty row
    QVERIFY(!v.ticket().pendiente());

    m.buscar("BALATA");
    m.agregar("3");
    QCOMPARE(m.t.existencia(id), 7.0);
    QCOMPARE(v.ticket().lineas(), 1);
    QVERIFY(v.ticket().pendiente());
    QCOMPARE(m.celda(1, 0), QString("1"));
    QCOMPARE(m.celda(1, 1), QString::number(id));
    QCOMPARE(m.celda(1, 2), QString("3"));
    QCOMPARE(m.celda(1, 3), QString("BALATA DELANTERA"));
    QCOMPARE(m.celda(1, 4), QString("NISAN"));
    QCOMPARE(m.celda(1, 5), QString("TSURU"));
    QCOMPARE(m.celda(1, 7), formato::moneda(250.0));
    QCOMPARE(m.celda(1, 8), formato::moneda(750.0));
    QCOMPARE(m.celda(1, 9), QString("250"));
    QCOMPARE(m.celda(1, 10), QString("120"));
    QCOMPARE(m.celda(1, 11), QString("TW"));
    QCOMPARE(m.celda(2, 0), QString("2"));
    QVERIFY(m.grid()->isColumnHidden(9) && m.grid()->isColumnHidden(10) && m.grid()->isColumnHidden(11));
    QCOMPARE(m.total(), formato::moneda(750.0));
    // The list shows the stock as it is now, on the same row.
    auto* lista = control<QTableView>(&v, "prodsgrid");
    QCOMPARE(lista->model()->index(lista->currentIndex().row(), 7).data().toString(), QString("7"));
    QCOMPARE(control<QLineEdit>(&v, "TxtCantidad")->text(), QString("1"));

    m.grid()->setCurrentCell(1, 1);
    m.t.guion.respuestas = {true};
    QTest::keyClick(m.grid(), Qt::Key_Delete);
    QCOMPARE(m.t.guion.preguntas.value(0),
             QString::fromUtf8("¿En verdad quieres borrar la parte: BALATA DELANTERA?"));
    QCOMPARE(m.t.existencia(id), 10.0);
    QCOMPARE(v.ticket().lineas(), 0);
    QCOMPARE(m.total(), formato::moneda(0.0));
    QCOMPARE(m.pendientes(), 0);

    // "No" keeps the line and its stock.
    m.agregar("2");
    m.grid()->setCurrentCell(1, 1);
    m.t.guion.respuestas = {false};
    control<QPushButton>(&v, "BitBtn2")->click();
    QCOMPARE(v.ticket().lineas(), 1);
    QCOMPARE(m.t.existencia(id), 8.0);
}

void TestTicket::cantidadNegativaSubeLaExistencia() {
    Mostrador m;
    const int id = m.producto("FILTRO ACEITE", 80, 40, 5);
    TFrmVentas& v = m.abrir();
    m.buscar("FILTRO");
    m.agregar("-2");
    QCOMPARE(m.t.existencia(id), 7.0);
    QCOMPARE(v.ticket().total(), -160.0);
    QCOMPARE(m.total(), formato::moneda(-160.0));
    // A ticket whose total is not above zero cannot be finished.
    control<QPushButton>(&v, "BitBtn7")->click();
    control<QPushButton>(&v, "BitBtn5")->click();
    control<QPushButton>(&v, "BitBtn6")->click();
    QVERIFY(m.t.guion.dialogosMostrados.isEmpty());
    QVERIFY(m.t.guion.preguntas.isEmpty());
    QCOMPARE(db::valorUnico("select count(*) from tblctrl_saldosventas").toInt(), 0);
}

void TestTicket::sinMarcaNiModeloNoMueveExistencia() {
    Mostrador m;
    const int suelto = m.t.producto("TORNILLO SUELTO", 2, 1, 50);  // no brand, no model
    const int sinModelo = m.t.producto("TUERCA", 3, 1, 40, m.marca, 0);
    TFrmVentas& v = m.abrir();
    m.buscar("TORNILLO");
    m.agregar("5");
    m.buscar("TUERCA");
    m.agregar("4");
    QCOMPARE(m.t.existencia(suelto), 50.0);
    QCOMPARE(m.t.existencia(sinModelo), 40.0);
    QVERIFY(!v.ticket().linea(1).tomoExistencia);
    // Their removal gives nothing back, since they took nothing.
    m.grid()->setCurrentCell(1, 1);
    m.t.guion.respuestas = {true, true};
    control<QPushButton>(&v, "BitBtn2")->click();
    QCOMPARE(m.t.existencia(suelto), 50.0);
    v.quitarTodosLosProductos();
    QCOMPARE(m.t.existencia(sinModelo), 40.0);
}

void TestTicket::quitarLineaSubeLasSiguientesYNumera() {
    Mostrador m;
    m.producto("AMORTIGUADOR", 500);
    m.producto("BUJIA", 30);
    m.producto("CABLE", 70);
    TFrmVentas& v = m.abrir();
    for (const char* p : {"AMORTIGUADOR", "BUJIA", "CABLE"}) {
        m.buscar(p);
        m.agregar("1");
    }
    QCOMPARE(v.ticket().total(), 600.0);
    m.grid()->setCurrentCell(2, 1);
    m.t.guion.respuestas = {true};
    control<QPushButton>(&v, "BitBtn2")->click();
    QCOMPARE(v.ticket().lineas(), 2);
    QCOMPARE(m.grid()->rowCount(), 4);
    QCOMPARE(m.celda(1, 0), QString("1"));
    QCOMPARE(m.celda(2, 0), QString("2"));
    QCOMPARE(m.celda(3, 0), QString("3"));
    QCOMPARE(m.celda(2, 3), QString("CABLE"));
    QCOMPARE(m.celda(3, 3), QString());
    QCOMPARE(v.ticket().total(), 570.0);
    // The stored pending lines follow the grid.
    QCOMPARE(db::valorUnico("select Parte from tbltmp_ticketpendiente where Renglon = 2").toString(),
             QString("CABLE"));
    QCOMPARE(m.pendientes(), 2);
}

void TestTicket::quitarTodosDevuelveTodoYReinicia() {
    Mostrador m;
    const int a = m.producto("RADIADOR", 900, 500, 3);
    const int b = m.producto("MANGUERA", 60, 20, 8);
    TFrmVentas& v = m.abrir();
    m.buscar("RADIADOR");
    m.agregar("2");
    m.buscar("MANGUERA");
    m.agregar("4");
    m.buscar("MANGUERA");
    m.agregar("1");
    QCOMPARE(m.t.existencia(a), 1.0);
    QCOMPARE(m.t.existencia(b), 3.0);
    control<QLineEdit>(&v, "txtcodigo")->setText("XYZ");

    m.t.guion.respuestas = {true};
    control<QPushButton>(&v, "BitBtn1")->click();
    QCOMPARE(
        m.t.guion.preguntas.value(0),
        QString::fromUtf8(
            "¿Estas seguro de querer borrar todos los productos seleccionados en la ventana de ventas?"));
    QCOMPARE(m.t.existencia(a), 3.0);
    QCOMPARE(m.t.existencia(b), 8.0);
    QCOMPARE(m.grid()->rowCount(), 2);
    QCOMPARE(m.celda(1, 0), QString("1"));
    QCOMPARE(v.ticket().total(), 0.0);
    QCOMPARE(m.total(), QString());
    QCOMPARE(control<QLineEdit>(&v, "txtcodigo")->text(), QString());
    QCOMPARE(control<QTableView>(&v, "prodsgrid")->model()->rowCount(), 0);
    QCOMPARE(m.pendientes(), 0);
}

void TestTicket::quitarConTicketVacio() {
    Mostrador m;
    TFrmVentas& v = m.abrir();
    control<QPushButton>(&v, "BitBtn2")->click();
    QVERIFY(m.t.guion.preguntas.isEmpty());  // nothing to remove, nothing asked
    m.t.guion.respuestas = {true};
    control<QPushButton>(&v, "BitBtn1")->click();
    QCOMPARE(m.t.guion.preguntas.size(), 1);  // still asks, and resets
    QCOMPARE(m.grid()->rowCount(), 2);
}

void TestTicket::capturaQueNoEsNumeroNoCambiaNada_data() {
    QTest::addColumn<QString>("cantidad");
    QTest::addColumn<QString>("especial");
    QTest::addColumn<QString>("malo");
    QTest::newRow("cantidad con decimales") << "1.5"
                                            << ""
                                            << "1.5";
    QTest::newRow("cantidad solo guion") << "-"
                                         << ""
                                         << "-";
    QTest::newRow("especial solo guion") << "1"
                                         << "-"
                                         << "-";
    QTest::newRow("especial con guion al final") << "1"
                                                 << "5-"
                                                 << "5-";
}

void TestTicket::capturaQueNoEsNumeroNoCambiaNada() {
    QFETCH(QString, cantidad);
    QFETCH(QString, especial);
    QFETCH(QString, malo);
    Mostrador m;
    const int id = m.producto("ESPEJO", 300, 100, 4);
    TFrmVentas& v = m.abrir();
    m.buscar("ESPEJO");
    m.agregar("1");
    auto* e = control<QLineEdit>(&v, "txtprecioespecial");
    QTest::keyClicks(e, especial);
    QCOMPARE(e->text(), especial);  // typed as it is: the box lets it through
    m.t.guion.limpiar();
    m.agregar(cantidad);
    QCOMPARE(m.t.guion.errores, QStringList{formato::errorConversion(malo)});
    QCOMPARE(v.ticket().lineas(), 1);
    QCOMPARE(m.celda(2, 1), QString());
    QCOMPARE(v.ticket().total(), 300.0);
    QCOMPARE(m.t.existencia(id), 3.0);
    QCOMPARE(m.pendientes(), 1);
}

void TestTicket::precioEspecialSeUsaUnaVez() {
    Mostrador m;
    m.producto("FARO", 400, 150);
    TFrmVentas& v = m.abrir();
    m.buscar("FARO");
    auto* e = control<QLineEdit>(&v, "txtprecioespecial");
    QTest::keyClicks(e, "350.5");
    QTest::keyClick(e, Qt::Key_Return);
    QCOMPARE(v.ticket().linea(1).precio, 350.5);
    QCOMPARE(e->text(), QString());
    m.agregar("1");
    QCOMPARE(v.ticket().linea(2).precio, 400.0);
    QCOMPARE(v.ticket().total(), 750.5);
}

void TestTicket::sobreprecioConservaElPrecioEspecial() {
    Mostrador m;
    m.producto("BOMBA AGUA", 400, 10.01);
    TFrmVentas& v = m.abrir();
    m.buscar("BOMBA");
    control<QRadioButton>(&v, "Rb15")->setChecked(true);
    control<QRadioButton>(&v, "RadioButton5")->setChecked(true);
    auto* e = control<QLineEdit>(&v, "txtprecioespecial");
    e->setText("99");
    m.agregar("1");
    QCOMPARE(e->text(), QString("99"));  // ignored, and kept
    QCOMPARE(m.celda(1, 7), QString("$11.51"));
    QCOMPARE(m.celda(1, 9), QString("11.5115"));
    QCOMPARE(m.celda(1, 10), QString("10.01"));
    QCOMPARE(m.celda(1, 11), QString("Uso Org."));
}

void TestTicket::ticketPendienteSobreviveAUnaCaida() {
    Mostrador m;
    const int a = m.producto("CLUTCH", 1200.25, 700, 6);
    const int b = m.producto("COLLARIN", 310.1, 150, 6);
    {
        TFrmVentas& v = m.abrir();
        m.buscar("CLUTCH");
        m.agregar("2");
        m.buscar("COLLARIN");
        m.agregar("3");
        QCOMPARE(v.ticket().lineas(), 2);
        QCOMPARE(m.t.existencia(a), 4.0);
        m.v.reset();  // the program dies with the ticket on screen: no close, no clean-up
    }
    QCOMPARE(m.pendientes(), 2);

    TFrmVentas& v = m.abrir();
    QCOMPARE(v.ticket().lineas(), 2);
    QCOMPARE(v.ticket().total(), 2 * 1200.25 + 3 * 310.1);
    QCOMPARE(m.total(), formato::moneda(2 * 1200.25 + 3 * 310.1));
    QCOMPARE(m.celda(1, 3), QString("CLUTCH"));
    QCOMPARE(m.celda(2, 2), QString("3"));
    QCOMPARE(m.celda(2, 8), formato::moneda(930.3));
    QCOMPARE(m.celda(3, 0), QString("3"));
    QCOMPARE(m.t.existencia(a), 4.0);  // stock is not taken twice
    QCOMPARE(m.t.existencia(b), 3.0);

    // The restored ticket behaves as the original: closing is refused, removal gives back.
    QVERIFY(!v.close());
    QCOMPARE(m.t.guion.mostrados.last(),
             QString("No puedes cerrar ventas si tienes una venta pendiente, gracias"));
    m.t.guion.respuestas = {true};
    v.quitarTodosLosProductos();
    QCOMPARE(m.t.existencia(a), 6.0);
    QCOMPARE(m.t.existencia(b), 6.0);
    QVERIFY(v.close());
    m.v.reset();
    TFrmVentas& otra = m.abrir();
    QCOMPARE(otra.ticket().lineas(), 0);
}

void TestTicket::ticketPendienteEsDeCadaEstacion() {
    Mostrador m;
    m.producto("SENSOR", 100);
    TFrmVentas& v = m.abrir();
    m.buscar("SENSOR");
    m.agregar("1");
    QCOMPARE(v.ticket().estacion().isEmpty(), false);

    QTableWidget otra;
    pos::Ticket ajena(&otra);
    ajena.setEstacion(v.ticket().estacion() + "-2");
    QCOMPARE(ajena.restaurarPendiente(), 0);
    ajena.InicializarTicket();  // empties only its own station's lines
    QCOMPARE(m.pendientes(), 1);
}

void TestTicket::totalEnPrecisionCompleta() {
    Mostrador m;
    m.producto("GRASA", 400, 10.01);
    TFrmVentas& v = m.abrir();
    m.buscar("GRASA");
    control<QRadioButton>(&v, "Rb15")->setChecked(true);
    m.agregar("3");
    QVERIFY(qAbs(v.ticket().total() - 34.5345) < 1e-9);  // not rounded to cents
    QCOMPARE(m.total(), QString("$34.53"));
}

QTEST_MAIN(TestTicket)
#include "test_ticket.moc"
