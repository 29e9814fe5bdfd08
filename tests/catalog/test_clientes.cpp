#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

#include "../support/TestSupport.h"
#include "catalog/BuscaCliente.h"
#include "catalog/Clientes.h"
#include "common/Dialogos.h"
#include "common/Sesion.h"
#include "db/Sql.h"

namespace {
QVariant columna(int cliente, const QString& col) {
    return db::valorUnico(QString("select %1 from tblcat_clientes where Id = :id").arg(col),
                          {{"id", cliente}});
}
int contar(const QString& sql, const QVariantMap& p = {}) {
    return db::valorUnico(sql, p).toInt();
}
int filasDescuento(int cliente) {
    return contar("select count(*) from tblctrl_descuentos where Cliente = :c", {{"c", cliente}});
}
int familiasRepetidas() {
    return contar(
        "select count(*) from (select Cliente, Familia from tblctrl_descuentos group by Cliente, Familia "
        "having count(*) > 1)");
}
int filasSinCliente() {
    return contar("select count(*) from tblctrl_descuentos where Cliente is null or Cliente = 0");
}
void pulsar(QWidget* pantalla, const char* boton) {
    control<QAbstractButton>(pantalla, boton)->click();
}
QLineEdit* campo(QWidget* pantalla, const char* nombre) {
    return control<QLineEdit>(pantalla, nombre);
}
// Types into whatever has the keyboard focus (a grid cell's editor once it opens).
void teclearEnFoco(const QString& texto) {
    for (QChar c : texto) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}
}  // namespace

class TestClientes : public QObject {
    Q_OBJECT
  private slots:
    void permisosOcultanBotones_data();
    void permisosOcultanBotones();
    void abreEnElPrimeroConTodoDeshabilitado();
    void nuevoYAceptarGuardaElCliente();
    void aceptarSinNombreNoGuarda();
    void numeroInvalidoNoGuarda_data();
    void numeroInvalidoNoGuarda();
    void botonDeBloqueoDecideBloqueado_data();
    void botonDeBloqueoDecideBloqueado();
    void quitarCreditoConservaLimiteDiasYBloqueo();
    void descuentoPorFamiliaSinRenglonesRepetidos();
    void porcentajeDelGridSeGuardaConEnter();
    void clienteNuevoConDescuentoPorFamilia_data();
    void clienteNuevoConDescuentoPorFamilia();
    void borrar_data();
    void borrar();
    void navegacionSoloAlConsultar();
    void esquemaDesconocidoConservaElBotonAnterior();
    void buscarMueveAlClienteElegido();
    void camposSeColoreanAlEnfocar();
};

void TestClientes::permisosOcultanBotones_data() {
    QTest::addColumn<int>("modulo");
    QTest::addColumn<QString>("boton");
    QTest::newRow("nuevo") << 33 << "BtnAdd";
    QTest::newRow("borrar") << 34 << "BitBtn1";
    QTest::newRow("modificar") << 35 << "BitBtn2";
}

void TestClientes::permisosOcultanBotones() {
    QFETCH(int, modulo);
    QFETCH(QString, boton);
    TiendaDePrueba t;
    db::ejecutar(
        "insert into tblcat_usuarios (Id, Nombre, Usuario, Password) values (2, 'Cajero', 'caja', '')");
    for (int m : {32, 33, 34, 35})
        if (m != modulo)
            db::ejecutar("insert into tblrel_permisos (Usuario, Modulo) values (2, :m)", {{"m", m}});
    sesion::setIdUsuario(2);
    TFrmClientes p;
    for (const char* b : {"BtnAdd", "BitBtn1", "BitBtn2"})
        QCOMPARE(control<QPushButton>(&p, b)->isHidden(), boton == b);
    QVERIFY(!control<QPushButton>(&p, "BitBtn3")->isHidden());
}

void TestClientes::abreEnElPrimeroConTodoDeshabilitado() {
    TiendaDePrueba t;
    int primero = t.cliente("Primero");
    t.cliente("Segundo");
    TFrmClientes p;
    QCOMPARE(p.size(), QSize(699, 512));
    QCOMPARE(p.minimumSize(), p.maximumSize());
    QCOMPARE(p.idActual(), primero);
    QCOMPARE(campo(&p, "txtid")->text(), QString::number(primero));
    QCOMPARE(campo(&p, "txtnombre")->text(), QString("Primero"));
    for (QLineEdit* e : p.findChildren<QLineEdit*>()) QVERIFY2(!e->isEnabled(), qPrintable(e->objectName()));
    for (const char* w :
         {"RBDescuentoGeneral", "RbCosto", "RBDescuentoFamilia", "ChkCredito", "btnbloquear", "GridFamilias"})
        QVERIFY(!control<QWidget>(&p, w)->isEnabled());
    QCOMPARE(control<QPushButton>(&p, "btnbloquear")->text(), QString::fromUtf8("Bloquear Crédito"));
}

void TestClientes::nuevoYAceptarGuardaElCliente() {
    TiendaDePrueba t;
    t.cliente("Existente");
    TFrmClientes p;
    p.show();
    pulsar(&p, "BtnAdd");
    QVERIFY(p.editando());
    QVERIFY(control<QRadioButton>(&p, "RBDescuentoGeneral")->isChecked());
    QCOMPARE(campo(&p, "txtporcentaje")->text(), QString("0"));
    QVERIFY(campo(&p, "txtnombre")->isEnabled());
    QVERIFY(campo(&p, "txtid")->text().isEmpty());
    QVERIFY(campo(&p, "txtid")->isReadOnly());
    QVERIFY(!campo(&p, "txtlimite")->isEnabled());  // until "Cliente con Crédito" is ticked
    QVERIFY(!control<QWidget>(&p, "GridFamilias")->isEnabled());

    const QList<std::pair<const char*, const char*>> datos = {
        {"txtnombre", "Taller Ñandú"},
        {"txtdireccion", "Av. Juárez 10"},
        {"txtCP", "44100"},
        {"txtColonia", "Centro"},
        {"txttelefono1", "3311"},
        {"txttelefono2", "3322"},
        {"txttelefono3", "3333"},
        {"txtfax", "3344"},
        {"txtcorreo", "taller@correo.mx"},
        {"txtnombrefiscal", "Taller SA"},
        {"txtrfc", "TAL800101AB1"},
        {"txtdireccionfiscal", "Juárez"},
        {"txtnumerofac", "10"},
        {"txtnumintfac", "B"},
        {"txtcoloniafac", "Centro"},
        {"txtcpfac", "44101"},
        {"txtciudad", "Guadalajara"},
        {"txtestadofac", "Jalisco"},
        {"txtnombrecontacto", "Don José"},
        {"txtcelularcontacto", "3399"},
        {"txtporcentaje", "5"},
    };
    for (const auto& [nombre, valor] : datos) campo(&p, nombre)->setText(QString::fromUtf8(valor));
    pulsar(&p, "ChkCredito");
    QVERIFY(campo(&p, "txtlimite")->isEnabled());
    QVERIFY(control<QWidget>(&p, "btnbloquear")->isEnabled());
    campo(&p, "txtlimite")->setText("5000.5");
    campo(&p, "txtdias")->setText("15");
    pulsar(&p, "RbCosto");
    pulsar(&p, "BitBtn5");

    QVERIFY(t.guion.mostrados.isEmpty());
    QVERIFY(!p.editando());
    const int id = p.idActual();
    QVERIFY(id > 0);
    QCOMPARE(campo(&p, "txtid")->text(), QString::number(id));
    QVERIFY(!campo(&p, "txtnombre")->isEnabled());
    const QList<std::pair<const char*, const char*>> columnas = {
        {"Nombre", "Taller Ñandú"},
        {"Direccion", "Av. Juárez 10"},
        {"CP", "44100"},
        {"Colonia", "Centro"},
        {"Telefono1", "3311"},
        {"Telefono2", "3322"},
        {"Telefono3", "3333"},
        {"Fax", "3344"},
        {"Email", "taller@correo.mx"},
        {"NombreFiscal", "Taller SA"},
        {"RFC", "TAL800101AB1"},
        {"DireccionComercial", "Juárez"},
        {"Numero", "10"},
        {"Numeroint", "B"},
        {"ColoniaFac", "Centro"},
        {"CPFAC", "44101"},
        {"Ciudad", "Guadalajara"},
        {"EstadoFAC", "Jalisco"},
        {"Contacto_Nombre", "Don José"},
        {"Contacto_Celular", "3399"},
    };
    for (const auto& [col, valor] : columnas) QCOMPARE(columna(id, col).toString(), QString::fromUtf8(valor));
    QCOMPARE(columna(id, "Porcentaje").toInt(), 5);
    QCOMPARE(columna(id, "TipoDescuento").toInt(), 2);
    QCOMPARE(columna(id, "Credito").toInt(), 1);
    QCOMPARE(columna(id, "Bloqueado").toInt(), 0);
    QCOMPARE(columna(id, "LimiteCredito").toDouble(), 5000.5);
    QCOMPARE(columna(id, "DiasCredito").toInt(), 15);
}

void TestClientes::aceptarSinNombreNoGuarda() {
    TiendaDePrueba t;
    int id = t.cliente("Original");
    TFrmClientes p;
    const QString aviso = "Por favor introduce un nombre, gracias";
    pulsar(&p, "BtnAdd");
    campo(&p, "txtnombre")->setText("   ");
    campo(&p, "txtrfc")->setText("XAXX010101000");
    pulsar(&p, "BitBtn5");
    QCOMPARE(t.guion.mostrados, QStringList{aviso});
    QVERIFY(p.editando());
    QCOMPARE(contar("select count(*) from tblcat_clientes"), 1);
    pulsar(&p, "BitBtn4");
    QCOMPARE(p.idActual(), id);

    t.guion.limpiar();
    pulsar(&p, "BitBtn2");
    campo(&p, "txtnombre")->clear();
    pulsar(&p, "BitBtn5");
    QCOMPARE(t.guion.mostrados, QStringList{aviso});
    QVERIFY(p.editando());
    QCOMPARE(columna(id, "Nombre").toString(), QString("Original"));
    pulsar(&p, "BitBtn4");
    QCOMPARE(campo(&p, "txtnombre")->text(), QString("Original"));
}

void TestClientes::numeroInvalidoNoGuarda_data() {
    QTest::addColumn<QString>("caja");
    QTest::addColumn<QString>("texto");
    QTest::newRow("dias con letras") << "txtdias"
                                     << "treinta";
    QTest::newRow("limite con letras") << "txtlimite"
                                       << "mil";
    QTest::newRow("porcentaje con decimales") << "txtporcentaje"
                                              << "2.5";
    // More than a stored amount can hold: refused, not stored as a wrapped-around value.
    QTest::newRow("limite enorme") << "txtlimite"
                                   << "99999999999999999999";
}

void TestClientes::numeroInvalidoNoGuarda() {
    QFETCH(QString, caja);
    QFETCH(QString, texto);
    TiendaDePrueba t;
    int id = t.cliente("Cliente", true, 1000, 30);
    TFrmClientes p;
    pulsar(&p, "BitBtn2");
    campo(&p, "txtnombre")->setText("Cambiado");
    campo(&p, caja.toUtf8().constData())->setText(texto);
    pulsar(&p, "BitBtn5");
    QCOMPARE(t.guion.errores.size(), 1);
    QVERIFY(t.guion.errores[0].contains(texto));
    QVERIFY(p.editando());
    QCOMPARE(columna(id, "Nombre").toString(), QString("Cliente"));
    QCOMPARE(columna(id, "DiasCredito").toInt(), 30);
    QCOMPARE(columna(id, "LimiteCredito").toDouble(), 1000.0);
}

void TestClientes::botonDeBloqueoDecideBloqueado_data() {
    QTest::addColumn<bool>("guardado");
    QTest::addColumn<int>("pulsaciones");
    QTest::addColumn<bool>("aceptar");
    QTest::addColumn<bool>("esperado");
    QTest::newRow("bloquear y aceptar") << false << 1 << true << true;
    QTest::newRow("desbloquear y aceptar") << true << 1 << true << false;
    QTest::newRow("dos veces y aceptar") << false << 2 << true << false;
    QTest::newRow("bloquear y cancelar") << false << 1 << false << false;
    QTest::newRow("desbloquear y cancelar") << true << 1 << false << true;
}

void TestClientes::botonDeBloqueoDecideBloqueado() {
    QFETCH(bool, guardado);
    QFETCH(int, pulsaciones);
    QFETCH(bool, aceptar);
    QFETCH(bool, esperado);
    TiendaDePrueba t;
    int id = t.cliente("Cliente", true, 1000, 30, guardado);
    TFrmClientes p;
    auto* boton = control<QPushButton>(&p, "btnbloquear");
    auto caption = [](bool bloqueado) {
        return QString::fromUtf8(bloqueado ? "Desbloquear Crédito" : "Bloquear Crédito");
    };
    QCOMPARE(boton->text(), caption(guardado));
    pulsar(&p, "BitBtn2");
    for (int i = 0; i < pulsaciones; ++i) pulsar(&p, "btnbloquear");
    QCOMPARE(boton->text(), caption(pulsaciones % 2 ? !guardado : guardado));
    QCOMPARE(columna(id, "Bloqueado").toInt(), int(guardado));  // nothing stored until "Aceptar"
    pulsar(&p, aceptar ? "BitBtn5" : "BitBtn4");
    QCOMPARE(columna(id, "Bloqueado").toInt(), int(esperado));
    QCOMPARE(boton->text(), caption(esperado));
    // Made current again, the button shows the stored state.
    t.cliente("Otro");
    pulsar(&p, "BitBtn9");
    pulsar(&p, "BitBtn8");
    QCOMPARE(boton->text(), caption(esperado));
}

void TestClientes::quitarCreditoConservaLimiteDiasYBloqueo() {
    TiendaDePrueba t;
    int id = t.cliente("Cliente", true, 1000, 30, true);
    TFrmClientes p;
    pulsar(&p, "BitBtn2");
    QVERIFY(campo(&p, "txtlimite")->isEnabled());
    pulsar(&p, "ChkCredito");
    QVERIFY(!campo(&p, "txtlimite")->isEnabled());
    QVERIFY(!campo(&p, "txtdias")->isEnabled());
    QVERIFY(!control<QWidget>(&p, "btnbloquear")->isEnabled());
    pulsar(&p, "BitBtn5");
    QCOMPARE(columna(id, "Credito").toInt(), 0);
    QCOMPARE(columna(id, "LimiteCredito").toDouble(), 1000.0);
    QCOMPARE(columna(id, "DiasCredito").toInt(), 30);
    QCOMPARE(columna(id, "Bloqueado").toInt(), 1);
}

void TestClientes::descuentoPorFamiliaSinRenglonesRepetidos() {
    TiendaDePrueba t;
    t.familia("Frenos");
    t.familia("Suspensión");
    int id = t.cliente("Cliente");
    int otro = t.cliente("Otro");
    TFrmClientes p;
    auto* grid = control<QTableWidget>(&p, "GridFamilias");
    pulsar(&p, "RBDescuentoFamilia");  // while browsing it does nothing
    QCOMPARE(filasDescuento(id), 0);

    pulsar(&p, "BitBtn2");
    pulsar(&p, "RBDescuentoFamilia");
    QCOMPARE(filasDescuento(id), 2);
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(grid->item(0, 0)->text(), QString("Frenos"));
    QCOMPARE(grid->item(1, 0)->text(), QString::fromUtf8("Suspensión"));
    QVERIFY(grid->isEnabled());
    QVERIFY(!campo(&p, "txtporcentaje")->isEnabled());
    QVERIFY(!(grid->item(0, 0)->flags() & Qt::ItemIsEditable));

    // Chosen again, and after another scheme, it adds nothing.
    pulsar(&p, "RBDescuentoFamilia");
    pulsar(&p, "RBDescuentoGeneral");
    QVERIFY(!grid->isEnabled());
    QVERIFY(campo(&p, "txtporcentaje")->isEnabled());
    pulsar(&p, "RBDescuentoFamilia");
    QCOMPARE(filasDescuento(id), 2);
    QCOMPARE(grid->rowCount(), 2);

    // The rows stay even when the editing is cancelled.
    pulsar(&p, "BitBtn4");
    QCOMPARE(filasDescuento(id), 2);
    QCOMPARE(columna(id, "TipoDescuento").toInt(), 1);

    // A new family gets its row the next time the scheme is chosen, and only that one.
    t.familia("Motor");
    pulsar(&p, "BitBtn2");
    pulsar(&p, "RBDescuentoFamilia");
    QCOMPARE(filasDescuento(id), 3);
    QCOMPARE(grid->rowCount(), 3);
    QCOMPARE(grid->item(2, 0)->text(), QString("Motor"));
    pulsar(&p, "BitBtn5");
    QCOMPARE(columna(id, "TipoDescuento").toInt(), 3);
    QVERIFY(p.findChild<QRadioButton*>("RBDescuentoFamilia")->isChecked());
    QCOMPARE(familiasRepetidas(), 0);
    QCOMPARE(filasDescuento(otro), 0);
    QCOMPARE(filasSinCliente(), 0);

    // Browsing to a customer without rows empties the grid.
    pulsar(&p, "BitBtn6");
    QCOMPARE(p.idActual(), otro);
    QCOMPARE(grid->rowCount(), 0);
}

void TestClientes::porcentajeDelGridSeGuardaConEnter() {
    TiendaDePrueba t;
    t.familia("Frenos");
    t.familia("Motor");
    t.familia("Luces");
    int id = t.cliente("Cliente");
    TFrmClientes p;
    p.show();
    QVERIFY(QTest::qWaitForWindowActive(&p));
    pulsar(&p, "BitBtn2");
    pulsar(&p, "RBDescuentoFamilia");
    auto* grid = control<QTableWidget>(&p, "GridFamilias");
    auto porcentaje = [&](const QString& familia) {
        return db::valorUnico(
            "select D.Porcentaje from tblctrl_descuentos D join tblcat_familias F on F.Id = D.Familia "
            "where D.Cliente = :c and F.Familia = :f",
            {{"c", id}, {"f", familia}});
    };
    grid->setFocus();
    grid->setCurrentCell(0, 1);
    teclearEnFoco("15");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(grid->currentRow(), 1);
    QCOMPARE(porcentaje("Frenos").toInt(), 15);
    // Enter without typing goes on too; the next percentage lands in its own row.
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(grid->currentRow(), 2);
    teclearEnFoco("7");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(porcentaje("Luces").toInt(), 7);
    QVERIFY(porcentaje("Motor").isNull());
    // Stored at once: cancelling the customer's editing keeps them.
    pulsar(&p, "BitBtn4");
    QCOMPARE(porcentaje("Frenos").toInt(), 15);
    QCOMPARE(grid->item(0, 1)->text(), QString("15"));
}

void TestClientes::clienteNuevoConDescuentoPorFamilia_data() {
    QTest::addColumn<bool>("aceptar");
    QTest::newRow("aceptado") << true;
    QTest::newRow("cancelado") << false;
}

// A customer being typed has no number yet: his family rows wait until "Aceptar".
void TestClientes::clienteNuevoConDescuentoPorFamilia() {
    QFETCH(bool, aceptar);
    TiendaDePrueba t;
    t.familia("Frenos");
    t.familia("Motor");
    int viejo = t.cliente("Viejo");
    TFrmClientes p;
    auto* grid = control<QTableWidget>(&p, "GridFamilias");
    pulsar(&p, "BtnAdd");
    QCOMPARE(grid->rowCount(), 0);
    campo(&p, "txtnombre")->setText("Nuevo");
    pulsar(&p, "RBDescuentoFamilia");
    pulsar(&p, "RBDescuentoFamilia");
    QCOMPARE(grid->rowCount(), 2);
    QVERIFY(grid->isEnabled());
    QCOMPARE(contar("select count(*) from tblctrl_descuentos"), 0);
    grid->item(0, 1)->setText("12");
    QCOMPARE(contar("select count(*) from tblctrl_descuentos"), 0);
    pulsar(&p, aceptar ? "BitBtn5" : "BitBtn4");
    QCOMPARE(filasSinCliente(), 0);
    if (!aceptar) {
        QCOMPARE(contar("select count(*) from tblctrl_descuentos"), 0);
        QCOMPARE(contar("select count(*) from tblcat_clientes"), 1);
        QCOMPARE(p.idActual(), viejo);
        return;
    }
    const int id = p.idActual();
    QVERIFY(id != viejo && id > 0);
    QCOMPARE(columna(id, "TipoDescuento").toInt(), 3);
    QCOMPARE(filasDescuento(id), 2);
    QCOMPARE(
        contar("select D.Porcentaje from tblctrl_descuentos D join tblcat_familias F on F.Id = D.Familia "
               "where D.Cliente = :c and F.Familia = 'Frenos'",
               {{"c", id}}),
        12);
    QCOMPARE(grid->rowCount(), 2);
    // Choosing the scheme again for the stored customer adds nothing.
    pulsar(&p, "BitBtn2");
    pulsar(&p, "RBDescuentoFamilia");
    QCOMPARE(filasDescuento(id), 2);
    QCOMPARE(familiasRepetidas(), 0);
}

void TestClientes::borrar_data() {
    QTest::addColumn<bool>("respuesta");
    QTest::newRow("no") << false;
    QTest::newRow("si") << true;
}

void TestClientes::borrar() {
    QFETCH(bool, respuesta);
    TiendaDePrueba t;
    t.familia("Frenos");
    int a = t.cliente("A");
    int b = t.cliente("B");
    int c = t.cliente("C");
    db::ejecutar("insert into tblctrl_descuentos (Cliente, Familia, Porcentaje) values (:c, 1, 10)",
                 {{"c", b}});
    TFrmClientes p;
    pulsar(&p, "BitBtn6");
    QCOMPARE(p.idActual(), b);
    t.guion.respuestas = {respuesta};
    pulsar(&p, "BitBtn1");
    QCOMPARE(t.guion.preguntas,
             QStringList{QString::fromUtf8("¿Estas seguro de querer borrar a este cliente?")});
    QCOMPARE(contar("select count(*) from tblcat_clientes where Id = :id", {{"id", b}}), respuesta ? 0 : 1);
    QCOMPARE(p.idActual(), respuesta ? c : b);
    QCOMPARE(filasDescuento(b), 1);  // the customer's discount rows stay
    QCOMPARE(contar("select count(*) from tblcat_clientes where Id in (:a, :c)", {{"a", a}, {"c", c}}), 2);
    // Not while editing.
    t.guion.limpiar();
    pulsar(&p, "BitBtn2");
    t.guion.respuestas = {true};
    pulsar(&p, "BitBtn1");
    QVERIFY(t.guion.preguntas.isEmpty());
}

void TestClientes::navegacionSoloAlConsultar() {
    TiendaDePrueba t;
    int a = t.cliente("A");
    int b = t.cliente("B");
    int c = t.cliente("C");
    TFrmClientes p;
    QCOMPARE(p.idActual(), a);
    pulsar(&p, "BitBtn7");  // before the first: stays
    QCOMPARE(p.idActual(), a);
    pulsar(&p, "BitBtn6");
    QCOMPARE(p.idActual(), b);
    pulsar(&p, "BitBtn9");
    QCOMPARE(p.idActual(), c);
    pulsar(&p, "BitBtn6");  // after the last: stays
    QCOMPARE(p.idActual(), c);
    pulsar(&p, "BitBtn7");
    QCOMPARE(p.idActual(), b);
    QCOMPARE(campo(&p, "txtnombre")->text(), QString("B"));
    pulsar(&p, "BitBtn2");
    campo(&p, "txtnombre")->setText("B cambiado");
    for (const char* nav : {"BitBtn8", "BitBtn7", "BitBtn6", "BitBtn9"}) {
        pulsar(&p, nav);
        QCOMPARE(p.idActual(), b);
        QCOMPARE(campo(&p, "txtnombre")->text(), QString("B cambiado"));
    }
    QVERIFY(p.editando());
    pulsar(&p, "BitBtn8");
    pulsar(&p, "BitBtn5");
    QCOMPARE(columna(b, "Nombre").toString(), QString("B cambiado"));
    QCOMPARE(p.idActual(), b);
}

void TestClientes::esquemaDesconocidoConservaElBotonAnterior() {
    TiendaDePrueba t;
    int a = t.cliente("A");
    int b = t.cliente("B");
    int c = t.cliente("C");
    db::ejecutar("update tblcat_clientes set TipoDescuento = 2 where Id = :id", {{"id", a}});
    db::ejecutar("update tblcat_clientes set TipoDescuento = 0 where Id = :id", {{"id", b}});
    db::ejecutar("update tblcat_clientes set TipoDescuento = null where Id = :id", {{"id", c}});
    TFrmClientes p;
    QVERIFY(control<QRadioButton>(&p, "RbCosto")->isChecked());
    pulsar(&p, "BitBtn6");
    QVERIFY(control<QRadioButton>(&p, "RbCosto")->isChecked());
    pulsar(&p, "BitBtn2");
    pulsar(&p, "BitBtn5");
    QCOMPARE(columna(b, "TipoDescuento").toInt(), 2);
    pulsar(&p, "BitBtn6");
    QVERIFY(control<QRadioButton>(&p, "RbCosto")->isChecked());
    QCOMPARE(p.idActual(), c);
}

void TestClientes::buscarMueveAlClienteElegido() {
    TiendaDePrueba t(true);
    t.cliente("Arias");
    int medina = t.cliente("Medina");
    t.cliente("Zapata");
    TFrmClientes p;
    TFrmBuscaCliente* busca = dialogos().BuscaCliente;
    int resultado = -1;
    t.guion.dialogo = [&](QDialog* d) {
        QTest::keyClicks(busca->txtnombre, "edi");
        QTest::keyClick(busca->txtnombre, Qt::Key_Down);
        QTest::keyClick(busca->Grid, Qt::Key_Return);
        resultado = d->result();
        return d->result();
    };
    pulsar(&p, "BitBtn3");
    QCOMPARE(t.guion.dialogosMostrados, QStringList{"FrmBuscaCliente"});
    QCOMPARE(busca->proposito(), 1);
    QCOMPARE(busca->llamador(), &p);
    QCOMPARE(resultado, int(QDialog::Accepted));
    QCOMPARE(p.idActual(), medina);
    QCOMPARE(campo(&p, "txtnombre")->text(), QString("Medina"));

    // A customer stored elsewhere after the screen opened is found too.
    int nuevo = t.cliente("Nuevo de otra caja");
    QVERIFY(p.localizar(nuevo));
    QCOMPARE(campo(&p, "txtnombre")->text(), QString("Nuevo de otra caja"));

    // Not while a customer is being edited.
    t.guion.limpiar();
    pulsar(&p, "BitBtn2");
    pulsar(&p, "BitBtn3");
    QVERIFY(t.guion.dialogosMostrados.isEmpty());
}

void TestClientes::camposSeColoreanAlEnfocar() {
    TiendaDePrueba t;
    TFrmClientes p;
    const QList<QLineEdit*> campos = p.findChildren<QLineEdit*>();
    QVERIFY(campos.size() >= 24);
    for (QLineEdit* e : campos) {
        QFocusEvent entra(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(e, &entra);
        QVERIFY2(e->palette().color(QPalette::Base) == QColor(Qt::yellow), qPrintable(e->objectName()));
        QFocusEvent sale(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(e, &sale);
        QVERIFY2(e->palette().color(QPalette::Base) != QColor(Qt::yellow), qPrintable(e->objectName()));
    }
}

QTEST_MAIN(TestClientes)
#include "test_clientes.moc"
