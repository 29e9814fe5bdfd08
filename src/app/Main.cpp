#include "app/Main.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>

#include "app/Pantallas.h"
#include "app/Web.h"
#include "catalog/Clientes.h"
#include "catalog/Familias.h"
#include "catalog/Marcas.h"
#include "catalog/Productos.h"
#include "catalog/Proveedores.h"
#include "catalog/Usuarios.h"
#include "common/Seams.h"
#include "common/Sesion.h"
#include "credit/ControlCredito.h"
#include "pos/Ventas.h"

namespace {
TFrmMain* g_main = nullptr;

// The working area: silver, with the product logo centred and a small one in the
// bottom-right corner.
class AreaPrincipal : public QMdiArea {
  public:
    using QMdiArea::QMdiArea;

  protected:
    void paintEvent(QPaintEvent* e) override {
        QMdiArea::paintEvent(e);
        QPainter p(viewport());
        QRect r = viewport()->rect();
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(qMax(24, r.height() / 12));
        p.setFont(f);
        p.setPen(QColor(150, 150, 150));
        p.drawText(r, Qt::AlignCenter, "KAVO Refaccionaria");
        f.setPixelSize(14);
        p.setFont(f);
        p.setPen(QColor(120, 120, 120));
        p.drawText(r.adjusted(0, 0, -12, -8), Qt::AlignRight | Qt::AlignBottom, "Casa Tolvane");
    }
};

// A 48 x 48 toolbar icon of our own: a rounded tile with the screen's initials.
QIcon iconoPantalla(const QString& titulo, const QColor& color) {
    QPixmap px(48, 48);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(color);
    p.setPen(QPen(color.darker(140), 2));
    p.drawRoundedRect(QRectF(2, 2, 44, 44), 9, 9);
    QStringList palabras = titulo.split(' ', Qt::SkipEmptyParts);
    QString siglas;
    for (const QString& w : palabras)
        if (w.size() > 2 && siglas.size() < 2) siglas += w[0].toUpper();
    if (siglas.isEmpty()) siglas = titulo.left(2);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(20);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 48, 48), Qt::AlignCenter, siglas);
    return QIcon(px);
}

template <class T>
std::function<QWidget*()> pantalla() {
    return [] { return new T(); };
}
std::function<QWidget*()> pendiente(const QString& objeto, const QString& titulo) {
    return [=] { return new TFrmPendiente(objeto, titulo); };
}
}  // namespace

TFrmMain* FrmMain() {
    return g_main;
}

TFrmMain::TFrmMain(QWidget* parent) : QMainWindow(parent) {
    g_main = this;
    setObjectName("FrmMain");
    setWindowTitle("KAVO Refaccionaria (Casa Tolvane) FACTURACION ELECTRÓNICA");
    setMinimumSize(800, 531);

    mdi_ = new AreaPrincipal(this);
    mdi_->setObjectName("AreaPrincipal");
    mdi_->setBackground(QColor(192, 192, 192));
    setCentralWidget(mdi_);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setFixedHeight(69);
    ToolBar1->setIconSize(QSize(48, 48));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ToolBar1->setStyleSheet("QToolBar { background: rgb(150, 181, 243); border: none; spacing: 2px; }");
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    botones_ = {
        {"Image3", "Ventas", 2, true, pantalla<TFrmVentas>()},
        {"Image6", "Productos", 12, true, pantalla<TFrmProductos>()},
        {"Image5", "Familias", 19, true, pantalla<TFrmFamilias>()},
        {"Image13", "Marcas y Modelos", 20, true, pantalla<TFrmMarcas>()},
        {"Image16", "Facturación", 21, true, pendiente("FrmFacturacion", "Facturación")},
        {"Image11", "Proveedores", 24, true, pantalla<TFrmProveedores>()},
        {"Image12", "Compras", 28, true, pendiente("FrmCompras", "Compras")},
        {"Image8", "Clientes", 32, true, pantalla<TFrmClientes>()},
        {"Image15", "Control de Crédito", 36, true, pantalla<TFrmControlCredito>()},
        {"Image18", "Cuentas por Pagar", 49, true, pendiente("FrmCuentasxPagar", "Cuentas por Pagar")},
        {"Image7", "Usuarios", 40, true, pantalla<TFrmUsuarios>()},
        {"Image9", "Reportes", 44, true, pendiente("FrmReportes", "Reportes")},
        {"Image14", "Importación de Datos Externos", 48, false,
         pendiente("FrmImporta", "Importación de Datos Externos")},
        {"BitBtn1", "Sistema de Soporte en Linea KAVO", 0, false, pantalla<TFrmWeb>()},
    };
    const QColor colores[] = {QColor(30, 120, 200), QColor(200, 110, 20), QColor(120, 60, 160),
                              QColor(20, 140, 120), QColor(180, 40, 60),  QColor(90, 120, 40),
                              QColor(40, 90, 170),  QColor(170, 90, 30),  QColor(30, 130, 70),
                              QColor(150, 50, 110), QColor(70, 70, 90),   QColor(160, 120, 20),
                              QColor(60, 110, 150), QColor(200, 60, 30)};
    int i = 0;
    for (const Boton& b : botones_) {
        // Short captions under the icons, so that the whole bar fits a 1024-pixel screen.
        static const QHash<QString, QString> cortos = {{"Image13", "Marcas"},
                                                       {"Image15", "Crédito"},
                                                       {"Image18", "Por Pagar"},
                                                       {"Image14", "Importar"},
                                                       {"BitBtn1", "Soporte"}};
        QString caption = cortos.value(b.nombre, b.titulo);
        if (b.nombre == "BitBtn1") {
            auto* espacio = new QWidget(ToolBar1);
            espacio->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
            ToolBar1->addWidget(espacio);
        }
        auto* boton = new QToolButton(ToolBar1);
        boton->setObjectName(b.nombre);
        boton->setText(caption);
        boton->setToolTip(b.titulo);
        boton->setIcon(iconoPantalla(caption, colores[i++ % 14]));
        boton->setIconSize(QSize(48, 48));
        boton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        boton->setAutoRaise(true);
        QString nombre = b.nombre;
        connect(boton, &QToolButton::clicked, this, [this, nombre] { abrir(nombre); });
        QAction* a = ToolBar1->addWidget(boton);
        a->setObjectName("accion" + b.nombre);
    }
}

TFrmMain::~TFrmMain() {
    if (g_main == this) g_main = nullptr;
}

int TFrmMain::IdUsuario() const {
    return sesion::IdUsuario();
}
bool TFrmMain::TienePermiso(int modulo) const {
    return sesion::TienePermiso(modulo);
}

bool TFrmMain::abierta(const QString& boton) const {
    auto it = abiertas_.find(boton);
    return it != abiertas_.end() && !it->isNull();
}

QMdiSubWindow* TFrmMain::abrirVentana(QWidget* pantalla) {
    QMdiSubWindow* w = mdi_->addSubWindow(pantalla);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowTitle(pantalla->windowTitle());
    w->show();
    pantalla->setFocus();
    return w;
}

QWidget* TFrmMain::abrir(const QString& nombre) {
    for (const Boton& b : botones_) {
        if (b.nombre != nombre) continue;
        if (b.bandera && abierta(nombre)) {
            QMdiSubWindow* w = abiertas_.value(nombre);
            w->showNormal();
            w->raise();
            mdi_->setActiveSubWindow(w);
            w->widget()->setFocus();
            return w->widget();
        }
        QWidget* pantalla = b.crear();
        QMdiSubWindow* w = abrirVentana(pantalla);
        if (b.bandera) abiertas_[nombre] = w;  // cleared by itself when the window is destroyed
        return pantalla;
    }
    return nullptr;
}

void TFrmMain::aplicarPermisos() {
    for (const Boton& b : botones_) {
        auto* a = ToolBar1->findChild<QAction*>("accion" + b.nombre);
        if (a) a->setVisible(b.modulo == 0 || TienePermiso(b.modulo));
    }
}

bool TFrmMain::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        aplicarPermisos();
        if (!isMaximized()) showMaximized();
    }
    return QMainWindow::event(e);
}

void TFrmMain::closeEvent(QCloseEvent* e) {
    bool hayAbiertas = false;
    for (const Boton& b : botones_)
        if (b.bandera && abierta(b.nombre)) hayAbiertas = true;
    if (hayAbiertas &&
        !ui::pregunta("¿Tienes ventanas abiertas, estas seguro de querer cerrar la aplicación?", this)) {
        e->ignore();
        return;
    }
    e->accept();
}
