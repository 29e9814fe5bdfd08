#include <QBrush>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

#include "../support/TestSupport.h"
#include "catalog/BuscaCliente.h"
#include "common/Dialogos.h"
#include "db/Sql.h"

namespace {
// Types text key by key, letters outside ASCII too (as a Spanish keyboard sends them).
void teclear(QWidget* w, const QString& texto) {
    for (QChar c : texto) {
        if (c.unicode() < 128) {
            QTest::keyClick(w, c.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
    }
}
QStringList nombresDeLaLista(TFrmBuscaCliente* d) {
    QStringList r;
    QAbstractItemModel* m = control<QTableView>(d, "Grid")->model();
    for (int i = 0; i < m->rowCount(); ++i) r << m->index(i, 1).data().toString();
    return r;
}
void ponerRfc(int cliente, const QString& rfc) {
    db::ejecutar("update tblcat_clientes set RFC = :rfc where Id = :id", {{"rfc", rfc}, {"id", cliente}});
}
void deuda(int cliente, double saldo) {
    db::ejecutar(
        "insert into tblctrl_credito (Cliente, Cantidad, Saldo, Status) values (:c, :s, :s, 'Sin Pago')",
        {{"c", cliente}, {"s", saldo}});
}
}  // namespace

class TestBuscaCliente : public QObject {
    Q_OBJECT
  private slots:
    void mostrarVaciaLasCajasYListaTodoPorNombre();
    void filtroPorCajaDeshabilitaLasOtras_data();
    void filtroPorCajaDeshabilitaLasOtras();
    void textoTecleadoNoRompeLaConsulta_data();
    void textoTecleadoNoRompeLaConsulta();
    void numeroNoNumericoMuestraErrorYListaVacia();
    void coloresDeLosRenglones_data();
    void coloresDeLosRenglones();
    void teclas();
    void propositoCierraOMantieneAbierto_data();
    void propositoCierraOMantieneAbierto();
    void adeudo();
};

void TestBuscaCliente::mostrarVaciaLasCajasYListaTodoPorNombre() {
    TiendaDePrueba t(true);
    t.cliente("Zapata");
    t.cliente("Arias");
    t.cliente("Medina");
    TFrmBuscaCliente* d = dialogos().BuscaCliente;
    QStringList alMostrar;
    bool cajasVacias = false, todasHabilitadas = false, focoEnNombre = false;
    t.guion.dialogo = [&](QDialog*) {
        alMostrar = nombresDeLaLista(d);
        cajasVacias =
            d->txtid->text().isEmpty() && d->txtnombre->text().isEmpty() && d->txtrfc->text().isEmpty();
        todasHabilitadas = d->txtid->isEnabled() && d->txtnombre->isEnabled() && d->txtrfc->isEnabled();
        focoEnNombre = d->focusWidget() == d->txtnombre;
        // Leave it filtered; the next showing starts afresh.
        QTest::keyClicks(d->txtnombre, "ari");
        return int(QDialog::Rejected);
    };
    d->setProposito(1, nullptr, nullptr);
    QCOMPARE(d->mostrar(), int(QDialog::Rejected));
    QCOMPARE(alMostrar, (QStringList{"Arias", "Medina", "Zapata"}));
    QVERIFY(cajasVacias);
    QVERIFY(todasHabilitadas);
    QVERIFY(focoEnNombre);
    d->mostrar();
    QCOMPARE(alMostrar, (QStringList{"Arias", "Medina", "Zapata"}));
    QVERIFY(cajasVacias);
    QVERIFY(todasHabilitadas);
}

void TestBuscaCliente::filtroPorCajaDeshabilitaLasOtras_data() {
    QTest::addColumn<QString>("caja");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("esperados");
    QTest::newRow("numero") << "txtid"
                            << "2" << QStringList{"Refacciones Arias"};
    QTest::newRow("nombre, sin mayusculas") << "txtnombre"
                                            << "taller" << QStringList{"Taller Zapata", "taller medina"};
    QTest::newRow("rfc") << "txtrfc"
                         << "MEDI" << QStringList{"taller medina"};
}

void TestBuscaCliente::filtroPorCajaDeshabilitaLasOtras() {
    QFETCH(QString, caja);
    QFETCH(QString, texto);
    QFETCH(QStringList, esperados);
    TiendaDePrueba t(true);
    ponerRfc(t.cliente("Taller Zapata"), "ZAPA800101AB1");
    ponerRfc(t.cliente("Refacciones Arias"), "ARIA900202CD2");
    ponerRfc(t.cliente("taller medina"), "MEDI750303EF3");
    TFrmBuscaCliente* d = dialogos().BuscaCliente;
    QStringList filtrados, restaurados;
    bool soloLaEscritaHabilitada = false, todasHabilitadas = false;
    t.guion.dialogo = [&](QDialog* dlg) {
        auto* escrita = control<QLineEdit>(dlg, caja);
        QTest::keyClicks(escrita, texto);
        filtrados = nombresDeLaLista(d);
        soloLaEscritaHabilitada = true;
        for (QLineEdit* otra : dlg->findChildren<QLineEdit*>())
            soloLaEscritaHabilitada &= otra->isEnabled() == (otra == escrita);
        // Emptying the box brings back the whole list and every box.
        for (int i = 0; i < texto.size(); ++i) QTest::keyClick(escrita, Qt::Key_Backspace);
        restaurados = nombresDeLaLista(d);
        todasHabilitadas = true;
        for (QLineEdit* otra : dlg->findChildren<QLineEdit*>()) todasHabilitadas &= otra->isEnabled();
        return int(QDialog::Rejected);
    };
    d->mostrar();
    QCOMPARE(filtrados, esperados);
    QVERIFY(soloLaEscritaHabilitada);
    QCOMPARE(restaurados, (QStringList{"Refacciones Arias", "taller medina", "Taller Zapata"}));
    QVERIFY(todasHabilitadas);
    QVERIFY(t.guion.errores.isEmpty());
}

void TestBuscaCliente::textoTecleadoNoRompeLaConsulta_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("esperados");
    QTest::newRow("comilla") << "O'Ha" << QStringList{"Llantas O'Hara"};
    QTest::newRow("por ciento") << "50%" << QStringList{"Descuento 50% Norte"};
    QTest::newRow("guion bajo") << "a_b" << QStringList{"a_b Servicio"};
    QTest::newRow("enie minuscula") << QString::fromUtf8("ñ")
                                    << QStringList{QString::fromUtf8("Autopartes Ñuñez")};
    QTest::newRow("acento") << QString::fromUtf8("GÓMEZ") << QStringList{QString::fromUtf8("Frenos Gómez")};
    QTest::newRow("diagonal inversa") << "\\" << QStringList{};
}

void TestBuscaCliente::textoTecleadoNoRompeLaConsulta() {
    QFETCH(QString, texto);
    QFETCH(QStringList, esperados);
    TiendaDePrueba t(true);
    for (const char* n : {"Llantas O'Hara", "Descuento 50% Norte", "Descuento 500 Sur", "a_b Servicio",
                          "axb Taller", "Autopartes Ñuñez", "Frenos Gómez"})
        t.cliente(QString::fromUtf8(n));
    TFrmBuscaCliente* d = dialogos().BuscaCliente;
    QStringList filtrados;
    t.guion.dialogo = [&](QDialog*) {
        teclear(d->txtnombre, texto);
        filtrados = nombresDeLaLista(d);
        return int(QDialog::Rejected);
    };
    d->mostrar();
    QCOMPARE(filtrados, esperados);
    QVERIFY(t.guion.errores.isEmpty());
}

void TestBuscaCliente::numeroNoNumericoMuestraErrorYListaVacia() {
    TiendaDePrueba t(true);
    int id = t.cliente("Taller Zapata");
    TFrmBuscaCliente* d = dialogos().BuscaCliente;
    int errores = -1, actualConError = -1, actualTrasBorrar = -1;
    QStringList conError, trasBorrar;
    t.guion.dialogo = [&](QDialog*) {
        QTest::keyClicks(d->txtid, "1x");
        errores = t.guion.errores.size();  // "1" was fine, "1x" is not a number
        conError = nombresDeLaLista(d);
        actualConError = d->clienteActual();
        QTest::keyClick(d->Grid, Qt::Key_Return);  // choosing from an empty list does nothing
        QTest::keyClick(d->txtid, Qt::Key_Backspace);
        trasBorrar = nombresDeLaLista(d);
        actualTrasBorrar = d->clienteActual();
        return int(QDialog::Rejected);
    };
    int elegidos = 0;
    d->setProposito(1, nullptr, [&](int) {
        ++elegidos;
        return true;
    });
    d->mostrar();
    QCOMPARE(errores, 1);
    QVERIFY(conError.isEmpty());
    QCOMPARE(actualConError, 0);
    QCOMPARE(trasBorrar, QStringList{"Taller Zapata"});
    QCOMPARE(actualTrasBorrar, id);
    QCOMPARE(elegidos, 0);
    QCOMPARE(db::valorUnico("select count(*) from tblcat_clientes").toInt(), 1);
}

void TestBuscaCliente::coloresDeLosRenglones_data() {
    QTest::addColumn<bool>("credito");
    QTest::addColumn<bool>("bloqueado");
    QTest::newRow("con credito") << true << false;
    QTest::newRow("bloqueado") << true << true;
    QTest::newRow("sin credito") << false << false;
    QTest::newRow("bloqueado y sin credito") << false << true;
}

void TestBuscaCliente::coloresDeLosRenglones() {
    QFETCH(bool, credito);
    QFETCH(bool, bloqueado);
    TiendaDePrueba t(true);
    t.cliente("Cliente", credito, 1000, 30, bloqueado);
    TFrmBuscaCliente* d = dialogos().BuscaCliente;
    d->mostrar();
    QAbstractItemModel* m = d->Grid->model();
    QCOMPARE(m->rowCount(), 1);
    for (int c = 0; c < m->columnCount(); ++c) {
        QVariant fondo = m->index(0, c).data(Qt::BackgroundRole);
        QVariant letra = m->index(0, c).data(Qt::ForegroundRole);
        if (bloqueado)
            QCOMPARE(qvariant_cast<QBrush>(fondo).color(), QColor(255, 128, 0));
        else
            QVERIFY(!fondo.isValid());
        if (!credito)
            QCOMPARE(qvariant_cast<QBrush>(letra).color(), QColor(192, 192, 192));
        else
            QVERIFY(!letra.isValid());
    }
}

void TestBuscaCliente::teclas() {
    TiendaDePrueba t(true);
    t.cliente("Arias");
    int medina = t.cliente("Medina");
    TFrmBuscaCliente* d = dialogos().BuscaCliente;
    int elegido = 0;
    d->setProposito(1, nullptr, [&](int id) {
        elegido = id;
        return true;
    });
    // Down goes to the list; Down again and Enter choose the second customer.
    t.guion.dialogo = [&](QDialog* dlg) {
        QTest::keyClick(d->txtnombre, Qt::Key_Down);
        if (dlg->focusWidget() != d->Grid) return -1;
        QTest::keyClick(d->Grid, Qt::Key_Down);
        QTest::keyClick(d->Grid, Qt::Key_Return);
        return dlg->result();
    };
    QCOMPARE(d->mostrar(), int(QDialog::Accepted));
    QCOMPARE(elegido, medina);
    // Double click chooses too.
    elegido = 0;
    t.guion.dialogo = [&](QDialog* dlg) {
        QTableView* g = d->Grid;
        QRect r = g->visualRect(g->model()->index(1, 1));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, r.center());
        return dlg->result();
    };
    QCOMPARE(d->mostrar(), int(QDialog::Accepted));
    QCOMPARE(elegido, medina);
    // Escape closes from a box and from the list, choosing nothing.
    elegido = 0;
    for (const char* donde : {"txtid", "txtnombre", "txtrfc", "Grid"}) {
        t.guion.dialogo = [&](QDialog* dlg) {
            QTest::keyClick(dlg->findChild<QWidget*>(donde), Qt::Key_Escape);
            return dlg->isVisible() ? -1 : dlg->result();
        };
        QCOMPARE(d->mostrar(), int(QDialog::Rejected));
    }
    QCOMPARE(elegido, 0);
}

void TestBuscaCliente::propositoCierraOMantieneAbierto_data() {
    QTest::addColumn<bool>("conAccion");
    QTest::addColumn<bool>("respuesta");
    QTest::addColumn<bool>("cierra");
    QTest::newRow("accion acepta") << true << true << true;
    QTest::newRow("accion rechaza (credito negado, nota de credito)") << true << false << false;
    QTest::newRow("sin accion") << false << false << true;
}

void TestBuscaCliente::propositoCierraOMantieneAbierto() {
    QFETCH(bool, conAccion);
    QFETCH(bool, respuesta);
    QFETCH(bool, cierra);
    TiendaDePrueba t(true);
    int id = t.cliente("Arias");
    TFrmBuscaCliente* d = dialogos().BuscaCliente;
    QWidget llamador;
    QList<int> recibidos;
    if (conAccion)
        d->setProposito(7, &llamador, [&](int c) {
            recibidos << c;
            return respuesta;
        });
    else
        d->setProposito(7, &llamador, nullptr);
    QCOMPARE(d->proposito(), 7);
    QCOMPARE(d->llamador(), &llamador);
    bool abiertoTrasElegir = true;
    t.guion.dialogo = [&](QDialog* dlg) {
        d->SeleccionarCliente();
        abiertoTrasElegir = dlg->isVisible();
        return dlg->result();
    };
    int r = d->mostrar();
    QCOMPARE(abiertoTrasElegir, !cierra);
    QCOMPARE(r, int(cierra ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(recibidos, conAccion ? QList<int>{id} : QList<int>{});
}

void TestBuscaCliente::adeudo() {
    TiendaDePrueba t(true);
    int sinNada = t.cliente("Sin deudas");
    int pagado = t.cliente("Todo pagado");
    int debe = t.cliente("Debe");
    deuda(pagado, 0);
    deuda(pagado, 0);
    deuda(debe, 150.25);
    deuda(debe, 0);
    deuda(debe, 49.75);
    deuda(sinNada + 100, 999);  // another customer's debt
    TFrmBuscaCliente* d = dialogos().BuscaCliente;
    QCOMPARE(d->adeudo(sinNada), Money());
    QCOMPARE(d->adeudo(pagado), Money());
    QCOMPARE(d->adeudo(debe), Money::fromDouble(200));
    // Another station's new debt is seen, and this station can still write afterwards.
    {
        QSqlDatabase otra = db::abrirConexionAdicional(t.archivo(), "otra_estacion");
        db::ejecutar(otra, "insert into tblctrl_credito (Cliente, Cantidad, Saldo) values (:c, 10, 10)",
                     {{"c", pagado}});
        otra.close();
    }
    QSqlDatabase::removeDatabase("otra_estacion");
    db::ejecutar("insert into tblctrl_credito (Cliente, Cantidad, Saldo) values (:c, 5, 5)", {{"c", pagado}});
    QCOMPARE(d->adeudo(pagado), Money::fromDouble(15));
}

QTEST_MAIN(TestBuscaCliente)
#include "test_buscacliente.moc"
