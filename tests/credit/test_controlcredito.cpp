#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "CreditoFixture.h"
#include "TestSupport.h"
#include "catalog/BuscaCliente.h"
#include "common/Dialogos.h"
#include "common/Formats.h"
#include "common/Sesion.h"
#include "credit/CancelacionesCredito.h"
#include "credit/ControlCredito.h"
#include "credit/HistorialPagos.h"
#include "db/Clock.h"

using fixture::deuda;
using fixture::leer;
using fixture::m;

namespace {
const QDateTime kAhora(QDate(2026, 1, 10), QTime(17, 5, 0));
const QColor kNaranja(255, 128, 0);

QStringList columna(QTableWidget* g, int c) {
    QStringList r;
    for (int i = 0; i < g->rowCount(); ++i) r << g->item(i, c)->text();
    return r;
}

void cargar(TFrmControlCredito& f, int cliente) {
    auto* txt = control<QLineEdit>(&f, "txtnocliente");
    txt->setText(QString::number(cliente));
    QTest::keyClick(txt, Qt::Key_Return);
}

// Juan owes 50.00 (older, overdue) and 80.00 (current).
struct Cartera {
    int juan = 0;
    qlonglong vieja = 0, nueva = 0;
    explicit Cartera(TiendaDePrueba& t) {
        juan = t.cliente("JUAN PÉREZ");
        db::ejecutar("update tblcat_clientes set Direccion = 'Av. Juárez 10' where id = :id", {{"id", juan}});
        vieja = deuda(juan, 7, 50, kAhora.addDays(-40), kAhora.addDays(-10));
        nueva = deuda(juan, 8, 80, kAhora.addDays(-5), kAhora.addDays(25));
    }
};
}  // namespace

class TestControlCredito : public QObject {
    Q_OBJECT
  private slots:
    void cargaElClientePorSuNumero();
    void clienteNoEncontradoDejaLaListaAnterior();
    void enterSinNumeroAbreLaBusqueda();
    void filtrosYVencidosEnNaranja();
    void pagarPorCantidad();
    void pagoRechazadoONoConfirmado_data();
    void pagoRechazadoONoConfirmado();
    void cantidadSoloAceptaNumeros();
    void pagarLaNotaSeleccionada();
    void sinDatosLoDiceYNoHaceNada();
    void permisosOcultanBotonesYPagos();
    void cancelacionDePagosDesdeLaPantalla();
    void historialRecibeElClienteCargado();
    void pagoCanceladoEnOtraEstacion();
};

void TestControlCredito::cargaElClientePorSuNumero() {
    TiendaDePrueba t(true);
    Cartera c(t);
    const int otro = t.cliente("OTRO");
    deuda(otro, 20, 999, kAhora.addDays(-1), kAhora.addDays(29));
    TFrmControlCredito f;
    f.show();
    QVERIFY(!control<QGroupBox>(&f, "Pago1")->isEnabled());
    QVERIFY(!control<QGroupBox>(&f, "Pago2")->isEnabled());
    // The filters do nothing before a customer is loaded.
    control<QPushButton>(&f, "BitBtn2")->click();
    QCOMPARE(control<QTableWidget>(&f, "grid")->rowCount(), 0);

    cargar(f, c.juan);
    QCOMPARE(f.cliente(), c.juan);
    QCOMPARE(control<QLabel>(&f, "lblnombre")->text(), QString("JUAN PÉREZ"));
    QCOMPARE(control<QLabel>(&f, "lbldireccion")->text(), QString("Av. Juárez 10"));
    auto* grid = control<QTableWidget>(&f, "grid");
    QCOMPARE(columna(grid, 0), (QStringList{"8", "7"}));  // newest first
    QCOMPARE(columna(grid, 1), (QStringList{"$80.00", "$50.00"}));
    QCOMPARE(columna(grid, 4), (QStringList{"$80.00", "$50.00"}));
    QCOMPARE(grid->horizontalHeaderItem(3)->text(), QString("FechaVencimiento"));
    QCOMPARE(control<QLabel>(&f, "lbltotal")->text(), QString("$130.00"));
    QVERIFY(control<QGroupBox>(&f, "Pago1")->isEnabled());
    QVERIFY(control<QGroupBox>(&f, "Pago2")->isEnabled());
    QVERIFY(t.guion.mostrados.isEmpty());

    // A paid debt is not listed; a customer who owes nothing shows 0.
    const int sinDeuda = t.cliente("SIN DEUDA");
    deuda(sinDeuda, 30, 10, kAhora.addDays(-9), kAhora.addDays(20));
    cobranza::pagar(sinDeuda, m(10));
    cargar(f, sinDeuda);
    QCOMPARE(grid->rowCount(), 0);
    QCOMPARE(control<QLabel>(&f, "lbltotal")->text(), QString("$0.00"));
}

void TestControlCredito::clienteNoEncontradoDejaLaListaAnterior() {
    TiendaDePrueba t(true);
    Cartera c(t);
    TFrmControlCredito f;
    f.show();
    cargar(f, c.juan);
    for (const QString& texto :
         {QString("999"), QString("abc"), QString("1'; delete from tblctrl_credito; --")}) {
        t.guion.limpiar();
        auto* txt = control<QLineEdit>(&f, "txtnocliente");
        txt->setText(texto);
        QTest::keyClick(txt, Qt::Key_Return);
        QCOMPARE(t.guion.mostrados, QStringList{"El cliente no fue encontrado, gracias"});
        QCOMPARE(f.cliente(), c.juan);
        QCOMPARE(control<QTableWidget>(&f, "grid")->rowCount(), 2);
        QCOMPARE(control<QLabel>(&f, "lblnombre")->text(), QString("JUAN PÉREZ"));
    }
    QCOMPARE(fixture::contar("tblctrl_credito"), 2);
}

void TestControlCredito::enterSinNumeroAbreLaBusqueda() {
    TiendaDePrueba t(true);
    Cartera c(t);
    t.cliente("MARÍA LÓPEZ");
    TFrmControlCredito f;
    f.show();
    QString mostrado;
    t.guion.dialogo = [&](QDialog* d) {
        auto* b = qobject_cast<TFrmBuscaCliente*>(d);
        if (!b) return int(QDialog::Rejected);
        mostrado = d->objectName();
        QTest::keyClicks(b->txtnombre, "juan");
        QTest::keyClick(b->txtnombre, Qt::Key_Down);
        QTest::keyClick(b->Grid, Qt::Key_Return);
        return d->result();
    };
    QTest::keyClick(control<QLineEdit>(&f, "txtnocliente"), Qt::Key_Return);
    QCOMPARE(mostrado, QString("FrmBuscaCliente"));
    QCOMPARE(dialogos().BuscaCliente->proposito(), 3);
    QCOMPARE(dialogos().BuscaCliente->llamador(), &f);
    QCOMPARE(f.cliente(), c.juan);
    QCOMPARE(control<QLineEdit>(&f, "txtnocliente")->text(), QString::number(c.juan));
    QCOMPARE(control<QLabel>(&f, "lblnombre")->text(), QString("JUAN PÉREZ"));
    QCOMPARE(control<QTableWidget>(&f, "grid")->rowCount(), 2);
    QVERIFY(!dialogos().BuscaCliente->isVisible());
    QVERIFY(t.guion.mostrados.isEmpty());

    // "Buscar" does the same with a number already typed.
    mostrado.clear();
    control<QPushButton>(&f, "BitBtn3")->click();
    QCOMPARE(mostrado, QString("FrmBuscaCliente"));
}

void TestControlCredito::filtrosYVencidosEnNaranja() {
    TiendaDePrueba t(true);
    Cartera c(t);
    deuda(c.juan, 9, 30, kAhora.addDays(-2), kAhora.addSecs(-1));  // due a second ago
    TFrmControlCredito f;
    f.show();
    cargar(f, c.juan);
    auto* grid = control<QTableWidget>(&f, "grid");
    auto naranjas = [grid] {
        QStringList r;
        for (int i = 0; i < grid->rowCount(); ++i) {
            const bool n = grid->item(i, 0)->background().color() == kNaranja;
            for (int col = 1; col < grid->columnCount(); ++col)
                if ((grid->item(i, col)->background().color() == kNaranja) != n) return QStringList{"mixta"};
            if (n) r << grid->item(i, 0)->text();
        }
        return r;
    };
    QCOMPARE(columna(grid, 0), (QStringList{"9", "8", "7"}));
    QCOMPARE(naranjas(), (QStringList{"9", "7"}));
    control<QPushButton>(&f, "BitBtn2")->click();
    QCOMPARE(f.filtro(), TFrmControlCredito::Filtro::Vencidos);
    QCOMPARE(columna(grid, 0), (QStringList{"9", "7"}));
    QCOMPARE(naranjas(), (QStringList{"9", "7"}));
    control<QPushButton>(&f, "BitBtn4")->click();
    QCOMPARE(columna(grid, 0), QStringList{"8"});
    QCOMPARE(naranjas(), QStringList{});
    // The total is the whole open debt whatever the filter.
    QCOMPARE(control<QLabel>(&f, "lbltotal")->text(), QString("$160.00"));

    // Time goes by: the newer one falls due too.
    reloj::fijar(kAhora.addDays(26));
    control<QPushButton>(&f, "BitBtn4")->click();
    QCOMPARE(grid->rowCount(), 0);
    control<QPushButton>(&f, "BitBtn1")->click();
    QCOMPARE(naranjas(), (QStringList{"9", "8", "7"}));
}

void TestControlCredito::pagarPorCantidad() {
    TiendaDePrueba t(true);
    Cartera c(t);
    TFrmControlCredito f;
    f.show();
    cargar(f, c.juan);
    control<QPushButton>(&f, "BitBtn4")->click();  // any filter: the list goes back to all unpaid
    auto* cant = control<QLineEdit>(&f, "TxtCantidad");
    QTest::keyClicks(cant, "100");
    t.guion.respuestas = {true};
    QTest::keyClick(cant, Qt::Key_Return);
    QCOMPARE(t.guion.preguntas, QStringList{"¿Estas seguro de realizar el pago?"});
    QCOMPARE(t.guion.errores, QStringList{});
    QCOMPARE(leer(c.vieja).status, QString("Nota Pagada"));
    QCOMPARE(leer(c.nueva).saldo, m(30));
    QCOMPARE(leer(c.nueva).status, QString("Nota Parcialmente Pagada, Adeudo: $30.00"));
    QVERIFY(cant->text().isEmpty());
    auto* grid = control<QTableWidget>(&f, "grid");
    QCOMPARE(f.filtro(), TFrmControlCredito::Filtro::Todos);
    QCOMPARE(columna(grid, 0), QStringList{"8"});
    QCOMPARE(columna(grid, 4), QStringList{"$30.00"});
    QCOMPARE(control<QLabel>(&f, "lbltotal")->text(), QString("$30.00"));
    VERIFICAR_LIBRO();

    // The rest, exactly the open debt, through the button.
    QTest::keyClicks(cant, "30");
    t.guion.respuestas = {true};
    control<QPushButton>(&f, "BtnPagar")->click();
    QCOMPARE(leer(c.nueva).status, QString("Nota Pagada"));
    QCOMPARE(grid->rowCount(), 0);
    QCOMPARE(control<QLabel>(&f, "lbltotal")->text(), QString("$0.00"));
    QCOMPARE(fixture::contar("tblctrl_saldoscredito"), 2);
    VERIFICAR_LIBRO();
}

void TestControlCredito::pagoRechazadoONoConfirmado_data() {
    QTest::addColumn<QString>("cantidad");
    QTest::addColumn<QList<bool>>("respuestas");
    QTest::addColumn<QStringList>("mostrados");

    QTest::newRow("no confirmado") << "100" << QList<bool>{false}
                                   << QStringList{"¿Estas seguro de realizar el pago?"};
    QTest::newRow("mayor al adeudo")
        << "130.01" << QList<bool>{true}
        << QStringList{
               "¿Estas seguro de realizar el pago?",
               "La cantidad de pago es mayor al adeudo del cliente, por favor corrige la cantidad, gracias"};
    QTest::newRow("vacia") << "" << QList<bool>{true} << QStringList{"Escribe la cantidad a pagar, gracias"};
    QTest::newRow("solo el punto") << "." << QList<bool>{true} << QStringList{formato::errorConversion(".")};
}

void TestControlCredito::pagoRechazadoONoConfirmado() {
    QFETCH(QString, cantidad);
    QFETCH(QList<bool>, respuestas);
    QFETCH(QStringList, mostrados);
    TiendaDePrueba t(true);
    Cartera c(t);
    TFrmControlCredito f;
    f.show();
    cargar(f, c.juan);
    auto* cant = control<QLineEdit>(&f, "TxtCantidad");
    cant->setText(cantidad);
    t.guion.respuestas = respuestas;
    control<QPushButton>(&f, "BtnPagar")->click();
    QCOMPARE(t.guion.mostrados, mostrados);
    QCOMPARE(fixture::contar("tblctrl_saldoscredito"), 0);
    QCOMPARE(leer(c.vieja).saldo, m(50));
    QCOMPARE(leer(c.nueva).saldo, m(80));
    QCOMPARE(cant->text(), cantidad);  // kept for correcting
}

void TestControlCredito::cantidadSoloAceptaNumeros() {
    TiendaDePrueba t(true);
    Cartera c(t);
    TFrmControlCredito f;
    f.show();
    cargar(f, c.juan);
    auto* cant = control<QLineEdit>(&f, "TxtCantidad");
    QTest::keyClicks(cant, "1a2.3.4-5,'%");
    QCOMPARE(cant->text(), QString("12.345"));
    QTest::keyClick(cant, Qt::Key_Backspace);
    QCOMPARE(cant->text(), QString("12.34"));
}

void TestControlCredito::pagarLaNotaSeleccionada() {
    TiendaDePrueba t(true);
    Cartera c(t);
    TFrmControlCredito f;
    f.show();
    cargar(f, c.juan);
    auto* grid = control<QTableWidget>(&f, "grid");
    grid->selectRow(0);  // sale 8, the newer one; the older stays unpaid
    t.guion.respuestas = {false};
    control<QPushButton>(&f, "pagarnota")->click();
    QCOMPARE(fixture::contar("tblctrl_saldoscredito"), 0);
    t.guion.respuestas = {true};
    control<QPushButton>(&f, "pagarnota")->click();
    QCOMPARE(t.guion.preguntas.size(), 2);
    QCOMPARE(leer(c.nueva).saldo, Money());
    QCOMPARE(leer(c.nueva).status, QString("Nota Pagada"));
    QCOMPARE(leer(c.vieja).saldo, m(50));
    QCOMPARE(columna(grid, 0), QStringList{"7"});
    QCOMPARE(control<QLabel>(&f, "lbltotal")->text(), QString("$50.00"));
    QCOMPARE(db::valorUnico("select cantidad from tblctrl_saldoscredito").toDouble(), 80.0);

    // Another station pays the note still on this screen: nothing is paid twice.
    cobranza::pagarNota(c.vieja);
    t.guion.limpiar();
    t.guion.respuestas = {true};
    control<QPushButton>(&f, "pagarnota")->click();
    QCOMPARE(t.guion.mostrados.last(), QString("La nota seleccionada ya está pagada, gracias"));
    QCOMPARE(fixture::contar("tblctrl_saldoscredito"), 2);
    QCOMPARE(grid->rowCount(), 0);
    VERIFICAR_LIBRO();
}

void TestControlCredito::sinDatosLoDiceYNoHaceNada() {
    TiendaDePrueba t(true);
    Cartera c(t);
    TFrmControlCredito f;
    f.show();
    control<QPushButton>(&f, "BitBtn5")->click();
    QCOMPARE(t.guion.mostrados, QStringList{"Primero carga un cliente, gracias"});
    control<QPushButton>(&f, "pagarnota")->click();  // disabled: nothing
    QCOMPARE(t.guion.mostrados.size(), 1);

    const int sinDeuda = t.cliente("SIN DEUDA");
    cargar(f, sinDeuda);
    t.guion.limpiar();
    t.guion.respuestas = {true};
    control<QPushButton>(&f, "pagarnota")->click();
    QCOMPARE(t.guion.mostrados, QStringList{"No hay notas por pagar, gracias"});
    QCOMPARE(fixture::contar("tblctrl_saldoscredito"), 0);
}

void TestControlCredito::permisosOcultanBotonesYPagos() {
    TiendaDePrueba t(true);
    auto u = db::Edicion::nueva("tblcat_usuarios");
    u.set("Nombre", "CAJERO");
    u.set("Usuario", "cajero");
    const int cajero = int(u.post());
    db::ejecutar("insert into tblrel_permisos (Usuario, Modulo) values (:u, 36)", {{"u", cajero}});
    sesion::setIdUsuario(cajero);
    {
        TFrmControlCredito f;
        for (const char* n : {"BitBtn5", "BitBtn6", "BitBtn7"})
            QVERIFY2(control<QWidget>(&f, n)->isHidden(), n);
        QVERIFY(control<QWidget>(&f, "Pago1")->isHidden());
        QVERIFY(control<QWidget>(&f, "Pago2")->isHidden());
        QVERIFY(!control<QWidget>(&f, "BitBtn1")->isHidden());
    }
    const QList<QPair<int, QString>> cada{{37, "BitBtn5"}, {39, "BitBtn6"}, {60, "BitBtn7"}, {38, "Pago1"}};
    for (const auto& [modulo, nombre] : cada) {
        db::ejecutar("insert into tblrel_permisos (Usuario, Modulo) values (:u, :m)",
                     {{"u", cajero}, {"m", modulo}});
        TFrmControlCredito f;
        QVERIFY2(!control<QWidget>(&f, nombre)->isHidden(), qPrintable(nombre));
    }
    TFrmControlCredito f;
    QVERIFY(!control<QWidget>(&f, "Pago2")->isHidden());
    sesion::setIdUsuario(1);
}

void TestControlCredito::cancelacionDePagosDesdeLaPantalla() {
    TiendaDePrueba t(true);
    Cartera c(t);
    const int otro = t.cliente("OTRO");
    deuda(otro, 20, 999, kAhora.addDays(-1), kAhora.addDays(29));
    cobranza::pagar(otro, m(9));
    TFrmControlCredito f;
    f.show();
    cargar(f, c.juan);
    auto* cant = control<QLineEdit>(&f, "TxtCantidad");
    cant->setText("100");
    t.guion.respuestas = {true};
    control<QPushButton>(&f, "BtnPagar")->click();
    QCOMPARE(control<QTableWidget>(&f, "grid")->rowCount(), 1);

    QStringList listados;
    t.guion.respuestas = {true};
    t.guion.dialogo = [&](QDialog* d) {
        if (d->objectName() != "FrmCancelacionesCredito") return int(QDialog::Rejected);
        auto* g = control<QTableWidget>(d, "DBGrid1");
        listados = columna(g, 3);
        g->selectRow(0);  // newest first: Juan's payment
        control<QPushButton>(d, "BitBtn1")->click();
        return d->result();
    };
    control<QPushButton>(&f, "BitBtn6")->click();
    QCOMPARE(t.guion.dialogosMostrados.last(), QString("FrmCancelacionesCredito"));
    QCOMPARE(listados, (QStringList{"JUAN PÉREZ", "OTRO"}));  // every customer's payments
    QCOMPARE(t.guion.preguntas.last(), QString("¿Borrar este movimiento?"));
    QCOMPARE(leer(c.vieja).saldo, m(50));
    QCOMPARE(leer(c.vieja).status, QString("Sin Pago"));
    QCOMPARE(leer(c.nueva).saldo, m(80));
    QCOMPARE(leer(c.nueva).status, QString("Nota Parcialmente Pagada, Adeudo: $80.00"));
    QCOMPARE(fixture::contar("tblctrl_saldoscredito"), 1);
    // The screen lists again.
    auto* grid = control<QTableWidget>(&f, "grid");
    QCOMPARE(columna(grid, 0), (QStringList{"8", "7"}));
    QCOMPARE(control<QLabel>(&f, "lbltotal")->text(), QString("$130.00"));
    VERIFICAR_LIBRO();

    // Answering No, or an empty list, changes nothing.
    t.guion.respuestas = {false};
    control<QPushButton>(&f, "BitBtn6")->click();
    QCOMPARE(fixture::contar("tblctrl_saldoscredito"), 1);
    db::ejecutar("delete from tblctrl_kardexcredito");
    db::ejecutar("delete from tblctrl_saldoscredito");
    t.guion.limpiar();
    control<QPushButton>(&f, "BitBtn6")->click();
    QCOMPARE(t.guion.mostrados, QStringList{"No hay pagos para cancelar, gracias"});
}

void TestControlCredito::historialRecibeElClienteCargado() {
    TiendaDePrueba t(true);
    Cartera c(t);
    TFrmControlCredito f;
    f.show();
    int clienteVisto = -1;
    QList<QDate> fechas;
    t.guion.dialogo = [&](QDialog* d) {
        auto* h = qobject_cast<TFrmHistorialPagos*>(d);
        if (!h) return int(QDialog::Rejected);
        clienteVisto = h->cliente();
        fechas = {control<QCalendarWidget>(d, "date1")->selectedDate(),
                  control<QCalendarWidget>(d, "date2")->selectedDate()};
        control<QCalendarWidget>(d, "date1")->setSelectedDate(QDate(2026, 1, 1));
        control<QPushButton>(d, "BitBtn1")->click();
        return d->result();
    };
    control<QPushButton>(&f, "BitBtn7")->click();
    QCOMPARE(clienteVisto, 0);
    QCOMPARE(t.guion.mostrados, QStringList{"Primero carga un cliente en Control de Crédito, gracias"});
    QCOMPARE(fechas, (QList<QDate>{QDate(2008, 12, 17), QDate(2008, 12, 17)}));

    cargar(f, c.juan);
    control<QPushButton>(&f, "BitBtn7")->click();
    QCOMPARE(clienteVisto, c.juan);
    // The dialog keeps the last dates chosen.
    QCOMPARE(fechas, (QList<QDate>{QDate(2026, 1, 1), QDate(2008, 12, 17)}));
}

// Two stations show the same payment list; the other one cancels a payment first: this one
// is told so, changes nothing, and its list is read again (the dialog stays open).
void TestControlCredito::pagoCanceladoEnOtraEstacion() {
    TiendaDePrueba t(true);
    Cartera c(t);
    const cobranza::Pago primero = cobranza::pagar(c.juan, m(60));
    const cobranza::Pago segundo = cobranza::pagar(c.juan, m(10));
    TFrmControlCredito f;
    f.show();
    cargar(f, c.juan);

    QStringList antes, despues;
    int resultado = -1;
    t.guion.respuestas = {true};
    t.guion.dialogo = [&](QDialog* d) {
        auto* g = control<QTableWidget>(d, "DBGrid1");
        antes = columna(g, 0);
        {
            QSqlDatabase otra = db::abrirConexionAdicional(t.archivo(), "otra");
            if (!cobranza::cancelarPago(segundo.numero, otra))
                QTest::qFail("other station", __FILE__, __LINE__);
            otra.close();
        }
        QSqlDatabase::removeDatabase("otra");
        g->selectRow(0);  // newest first: the payment the other station cancelled
        control<QPushButton>(d, "BitBtn1")->click();
        despues = columna(g, 0);
        resultado = d->result();
        return resultado;
    };
    control<QPushButton>(&f, "BitBtn6")->click();

    QCOMPARE(antes, (QStringList{QString::number(segundo.numero), QString::number(primero.numero)}));
    QCOMPARE(t.guion.mostrados.last(), QString("El pago seleccionado ya fue cancelado, gracias"));
    QCOMPARE(despues, QStringList{QString::number(primero.numero)});
    QCOMPARE(resultado, int(QDialog::Rejected));
    // The first payment stands as it was taken: 50.00 paid off, 10.00 of the 80.00.
    QCOMPARE(leer(c.vieja).saldo, m(0));
    QCOMPARE(leer(c.nueva).saldo, m(70));
    QCOMPARE(leer(c.nueva).status, QString("Nota Parcialmente Pagada, Adeudo: $70.00"));
    QCOMPARE(fixture::contar("tblctrl_saldoscredito"), 1);
    QCOMPARE(control<QLabel>(&f, "lbltotal")->text(), QString("$70.00"));
    VERIFICAR_LIBRO();
}

QTEST_MAIN(TestControlCredito)
#include "test_controlcredito.moc"
