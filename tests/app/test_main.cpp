#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolBar>
#include <QToolButton>

#include "TestSupport.h"
#include "app/Main.h"
#include "common/Sesion.h"
#include "db/Password.h"
#include "db/Sql.h"

namespace {
int usuarioCon(const QList<int>& modulos) {
    auto e = db::Edicion::nueva("tblcat_usuarios");
    e.set("Nombre", "Mostrador");
    e.set("Usuario", "mostrador");
    e.set("Password", contrasena::cifrar("x"));
    int id = int(e.post());
    for (int m : modulos)
        db::ejecutar("insert into tblrel_permisos (usuario, modulo) values (:u, :m)", {{"u", id}, {"m", m}});
    return id;
}
bool visible(TFrmMain& m, const QString& boton) {
    return m.findChild<QAction*>("accion" + boton)->isVisible();
}
}  // namespace

class TestMain : public QObject {
    Q_OBJECT
  private slots:
    void tituloYBotonesEnOrden();
    void botonesSegunPermisos();
    void usuarioSinPermisosSoloVeSoporte();
    void permisosSeReaplicanAlActivarse();
    void pantallaDeUnaSolaInstancia();
    void importarYSoporteAbrenUnaVentanaCadaVez();
    void confirmacionAlCerrar();
    void soporteAbreLaPaginaSinDescargarla();
};

void TestMain::tituloYBotonesEnOrden() {
    TiendaDePrueba t;
    TFrmMain m;
    QCOMPARE(m.windowTitle(), QString("KAVO Refaccionaria (Casa Tolvane) FACTURACION ELECTRÓNICA"));
    QCOMPARE(m.minimumSize(), QSize(800, 531));
    auto* barra = m.findChild<QToolBar*>("ToolBar1");
    QCOMPARE(barra->height(), 69);
    QStringList orden;
    for (QAction* a : barra->actions())
        if (a->objectName().startsWith("accion")) orden << a->objectName().mid(6);
    QCOMPARE(orden, QStringList({"Image3", "Image6", "Image5", "Image13", "Image16", "Image11", "Image12",
                                 "Image8", "Image15", "Image18", "Image7", "Image9", "Image14", "BitBtn1"}));
    QCOMPARE(m.findChild<QToolButton*>("Image16")->text(), QString("Facturación"));
    QCOMPARE(m.findChild<QToolButton*>("Image14")->text(), QString("Importar"));
    QCOMPARE(m.findChild<QToolButton*>("BitBtn1")->text(), QString("Soporte"));
    QCOMPARE(m.findChild<QToolButton*>("Image3")->iconSize(), QSize(48, 48));
}

void TestMain::botonesSegunPermisos() {
    TiendaDePrueba t;
    sesion::setIdUsuario(usuarioCon({2, 32, 37}));
    TFrmMain m;
    m.aplicarPermisos();
    QVERIFY(visible(m, "Image3"));    // Ventas
    QVERIFY(visible(m, "Image8"));    // Clientes
    QVERIFY(!visible(m, "Image15"));  // 37 alone does not open the credit screen
    QVERIFY(!visible(m, "Image7"));
    QVERIFY(visible(m, "BitBtn1"));
}

void TestMain::usuarioSinPermisosSoloVeSoporte() {
    TiendaDePrueba t;
    sesion::setIdUsuario(usuarioCon({}));
    TFrmMain m;
    m.aplicarPermisos();
    int visibles = 0;
    for (QAction* a : m.findChild<QToolBar*>("ToolBar1")->actions())
        if (a->objectName().startsWith("accion") && a->isVisible()) ++visibles;
    QCOMPARE(visibles, 1);
    QVERIFY(visible(m, "BitBtn1"));
}

void TestMain::permisosSeReaplicanAlActivarse() {
    TiendaDePrueba t;
    int u = usuarioCon({});
    sesion::setIdUsuario(u);
    TFrmMain m;
    m.show();
    QVERIFY(QTest::qWaitForWindowActive(&m));
    QVERIFY(!visible(m, "Image3"));
    db::ejecutar("insert into tblrel_permisos (usuario, modulo) values (:u, 2)", {{"u", u}});
    QEvent activar(QEvent::WindowActivate);
    QApplication::sendEvent(&m, &activar);
    QVERIFY(visible(m, "Image3"));
    QVERIFY(m.isMaximized() || m.windowState() & Qt::WindowMaximized);
}

void TestMain::pantallaDeUnaSolaInstancia() {
    TiendaDePrueba t(true);
    TFrmMain m;
    m.show();
    QWidget* a = m.abrir("Image8");
    QVERIFY(a);
    QCOMPARE(a->windowTitle(), QString("Clientes"));
    QMdiSubWindow* sub = m.area()->subWindowList().first();
    sub->showMinimized();
    QWidget* b = m.abrir("Image8");
    QCOMPARE(b, a);
    QCOMPARE(m.area()->subWindowList().size(), 1);
    QVERIFY(!sub->isMinimized());
    QCOMPARE(m.area()->activeSubWindow(), sub);
    QVERIFY(m.abierta("Image8"));
    sub->close();
    QTRY_VERIFY(!m.abierta("Image8"));
    QWidget* c = m.abrir("Image8");
    QVERIFY(c);
    QCOMPARE(m.area()->subWindowList().size(), 1);
    // Every toolbar screen opens with its title.
    const QList<QPair<QString, QString>> titulos = {{"Image3", "Ventas"},
                                                    {"Image6", "Productos"},
                                                    {"Image5", "Familias"},
                                                    {"Image13", "Marcas y Modelos"},
                                                    {"Image16", "Facturación"},
                                                    {"Image11", "Proveedores"},
                                                    {"Image12", "Compras"},
                                                    {"Image15", "Control de Crédito"},
                                                    {"Image18", "Cuentas por Pagar"},
                                                    {"Image7", "Usuarios"},
                                                    {"Image9", "Reportes"},
                                                    {"Image14", "Importación de Datos Externos"},
                                                    {"BitBtn1", "Sistema de Soporte en Linea KAVO"}};
    for (const auto& [boton, titulo] : titulos) QCOMPARE(m.abrir(boton)->windowTitle(), titulo);
}

void TestMain::importarYSoporteAbrenUnaVentanaCadaVez() {
    TiendaDePrueba t;
    TFrmMain m;
    m.show();
    QWidget* a = m.abrir("Image14");
    QWidget* b = m.abrir("Image14");
    QVERIFY(a != b);
    QWidget* c = m.abrir("BitBtn1");
    QWidget* d = m.abrir("BitBtn1");
    QVERIFY(c != d);
    QCOMPARE(m.area()->subWindowList().size(), 4);
}

void TestMain::confirmacionAlCerrar() {
    const QString pregunta = "¿Tienes ventanas abiertas, estas seguro de querer cerrar la aplicación?";
    {
        TiendaDePrueba t;
        TFrmMain m;
        m.show();
        m.abrir("BitBtn1");
        m.abrir("Image14");
        QVERIFY(m.close());  // only unflagged windows: no question
        QVERIFY(t.guion.preguntas.isEmpty());
    }
    {
        TiendaDePrueba t(true);
        TFrmMain m;
        m.show();
        m.abrir("Image8");
        t.guion.respuestas = {false};
        QVERIFY(!m.close());
        QCOMPARE(t.guion.preguntas, QStringList{pregunta});
        QVERIFY(m.isVisible());
        t.guion.respuestas = {true};
        QVERIFY(m.close());
    }
}

void TestMain::soporteAbreLaPaginaSinDescargarla() {
    TiendaDePrueba t;
    TFrmMain m;
    m.abrir("BitBtn1");
    QTRY_COMPARE(t.guion.urls.size(), 1);
    QVERIFY(t.guion.urls.first().startsWith("https://soporte.example.com/tts?"));
}

QTEST_MAIN(TestMain)
#include "test_main.moc"
