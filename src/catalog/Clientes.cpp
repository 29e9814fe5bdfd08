#include "catalog/Clientes.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <cmath>

#include "catalog/BuscaCliente.h"
#include "common/Dialogos.h"
#include "common/Formats.h"
#include "common/Seams.h"
#include "common/Sesion.h"
#include "common/ZUMUtils.h"

namespace {
const int kRolDescuento = Qt::UserRole;    // Id of the tblctrl_descuentos row; 0 while not stored
const int kRolFamilia = Qt::UserRole + 1;  // Id of the family

// A padlock, closed (credit can be blocked with this button) or open (it unblocks).
QIcon candado(bool abierto) {
    QPixmap px(24, 24);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    QColor color = abierto ? QColor(30, 150, 60) : QColor(200, 40, 40);
    p.setPen(QPen(color.darker(130), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath arco;
    if (abierto) {
        arco.moveTo(16, 11);
        arco.lineTo(16, 7);
        arco.arcTo(QRectF(10, 2, 12, 10), 0, 180);
    } else {
        arco.moveTo(7, 11);
        arco.lineTo(7, 8);
        arco.arcTo(QRectF(7, 2, 10, 10), 180, -180);
        arco.lineTo(17, 11);
    }
    p.drawPath(arco);
    p.setPen(QPen(color.darker(150), 1));
    p.setBrush(color);
    p.drawRoundedRect(QRectF(4, 11, 16, 11), 2, 2);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(10.5, 14, 3, 3));
    p.drawRect(QRectF(11.25, 16, 1.5, 3.5));
    return QIcon(px);
}

// The family percentage is a whole number from 0 to 100.
class DelegadoPorcentaje : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* padre, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* e = new QLineEdit(padre);
        e->setValidator(new QIntValidator(0, 100, e));
        e->setFrame(false);
        return e;
    }
};

QLabel* rotulo(QWidget* padre, const QString& texto, int x, int y, int w = 110) {
    auto* l = new QLabel(texto, padre);
    l->setGeometry(x, y, w, 22);
    return l;
}
}  // namespace

QString TFrmClientes::captionBloquear() {
    return QString::fromUtf8("Bloquear Crédito");
}
QString TFrmClientes::captionDesbloquear() {
    return QString::fromUtf8("Desbloquear Crédito");
}

TFrmClientes::TFrmClientes(QWidget* parent)
    : QWidget(parent),
      QClientes("select * from tblcat_clientes order by id"),
      Qdescuentofamilias(
          "select D.Id, D.Cliente, D.Familia, D.Porcentaje, F.Familia as NombreFamilia "
          "from tblctrl_descuentos D left join tblcat_familias F on F.Id = D.Familia "
          "where D.Cliente = :cliente order by F.Id"),
      QFamilias("select * from tblcat_familias order by id"),
      Qdescuentofamilia2(
          "select D.Id, D.Cliente, D.Familia, D.Porcentaje, F.Familia as NombreFamilia "
          "from tblctrl_descuentos D left join tblcat_familias F on F.Id = D.Familia "
          "where D.Cliente = :cliente and D.Familia = :familia") {
    setObjectName("FrmClientes");
    setWindowTitle(QString::fromUtf8("Clientes"));
    construir();

    BtnAdd->setVisible(sesion::TienePermiso(33));
    BitBtn1->setVisible(sesion::TienePermiso(34));
    BitBtn2->setVisible(sesion::TienePermiso(35));

    salirEdicion();
    ui::protegido([&] { abrirClientes(); }, this);
    irAFila(0);
}

void TFrmClientes::construir() {
    setFixedSize(699, 512);  // it may be minimized, not resized
    auto edit = [this](QWidget* padre, const char* nombre, int x, int y, int w) {
        auto* e = new QLineEdit(padre);
        e->setObjectName(nombre);
        e->setGeometry(x, y, w, 22);
        ZUMUtils::colorearFoco(e);
        return e;
    };
    auto boton = [this](const QString& texto, const char* nombre, int x, int y, int w) {
        auto* b = new QPushButton(texto, this);
        b->setObjectName(nombre);
        b->setGeometry(x, y, w, 30);
        b->setAutoDefault(false);
        return b;
    };

    // Top bar
    BitBtn3 = boton("Buscar", "BitBtn3", 8, 6, 90);
    BtnAdd = boton("Nuevo", "BtnAdd", 435, 6, 84);
    BitBtn1 = boton("Borrar", "BitBtn1", 523, 6, 84);
    BitBtn2 = boton("Modificar", "BitBtn2", 611, 6, 80);

    // General data
    rotulo(this, "Id", 8, 44);
    txtid = edit(this, "txtid", 86, 44, 70);
    txtid->setReadOnly(true);
    rotulo(this, "Nombre", 8, 70);
    txtnombre = edit(this, "txtnombre", 86, 70, 258);
    rotulo(this, QString::fromUtf8("Dirección"), 8, 96);
    txtdireccion = edit(this, "txtdireccion", 86, 96, 258);
    rotulo(this, "Colonia", 8, 122);
    txtColonia = edit(this, "txtColonia", 86, 122, 150);
    rotulo(this, "C.P.", 242, 122, 30);
    txtCP = edit(this, "txtCP", 274, 122, 70);
    rotulo(this, QString::fromUtf8("Teléfono 1"), 8, 148);
    txttelefono1 = edit(this, "txttelefono1", 86, 148, 100);
    rotulo(this, QString::fromUtf8("Teléfono 2"), 192, 148, 66);
    txttelefono2 = edit(this, "txttelefono2", 258, 148, 86);
    rotulo(this, QString::fromUtf8("Teléfono 3"), 8, 174);
    txttelefono3 = edit(this, "txttelefono3", 86, 174, 100);
    rotulo(this, "Fax", 192, 174, 66);
    txtfax = edit(this, "txtfax", 258, 174, 86);
    rotulo(this, QString::fromUtf8("Correo Electrónico"), 8, 200, 120);
    txtcorreo = edit(this, "txtcorreo", 128, 200, 216);

    // "Datos Fiscales"
    auto* fiscales = new QGroupBox("Datos Fiscales", this);
    fiscales->setObjectName("GroupBox1");
    fiscales->setGeometry(352, 40, 339, 186);
    rotulo(fiscales, "Razon Social", 8, 22, 80);
    txtnombrefiscal = edit(fiscales, "txtnombrefiscal", 90, 22, 240);
    rotulo(fiscales, "RFC", 8, 48, 80);
    txtrfc = edit(fiscales, "txtrfc", 90, 48, 130);
    rotulo(fiscales, "Calle", 8, 74, 80);
    txtdireccionfiscal = edit(fiscales, "txtdireccionfiscal", 90, 74, 240);
    rotulo(fiscales, QString::fromUtf8("Número"), 8, 100, 80);
    txtnumerofac = edit(fiscales, "txtnumerofac", 90, 100, 70);
    rotulo(fiscales, "N. Int.", 170, 100, 44);
    txtnumintfac = edit(fiscales, "txtnumintfac", 216, 100, 114);
    rotulo(fiscales, "Colonia", 8, 126, 80);
    txtcoloniafac = edit(fiscales, "txtcoloniafac", 90, 126, 150);
    rotulo(fiscales, "C.P.", 246, 126, 30);
    txtcpfac = edit(fiscales, "txtcpfac", 276, 126, 54);
    rotulo(fiscales, "Ciudad", 8, 152, 80);
    txtciudad = edit(fiscales, "txtciudad", 90, 152, 104);
    rotulo(fiscales, "Estado", 200, 152, 44);
    txtestadofac = edit(fiscales, "txtestadofac", 246, 152, 84);

    // "Contacto"
    auto* contacto = new QGroupBox("Contacto", this);
    contacto->setObjectName("GroupBox2");
    contacto->setGeometry(8, 230, 336, 80);
    rotulo(contacto, "Nombre", 8, 22, 60);
    txtnombrecontacto = edit(contacto, "txtnombrecontacto", 70, 22, 258);
    rotulo(contacto, "Celular", 8, 48, 60);
    txtcelularcontacto = edit(contacto, "txtcelularcontacto", 70, 48, 140);

    // "Crédito"
    auto* credito = new QGroupBox(QString::fromUtf8("Crédito"), this);
    credito->setObjectName("GroupBox4");
    credito->setGeometry(8, 316, 336, 146);
    ChkCredito = new QCheckBox(QString::fromUtf8("Cliente con Crédito"), credito);
    ChkCredito->setObjectName("ChkCredito");
    ChkCredito->setGeometry(10, 22, 200, 22);
    rotulo(credito, QString::fromUtf8("Límite de Crédito"), 10, 50, 110);
    rotulo(credito, "$", 122, 50, 10);
    txtlimite = edit(credito, "txtlimite", 134, 50, 110);
    rotulo(credito, QString::fromUtf8("Días de Crédito"), 10, 76, 110);
    txtdias = edit(credito, "txtdias", 134, 76, 60);
    btnbloquear = new QPushButton(captionBloquear(), credito);
    btnbloquear->setObjectName("btnbloquear");
    btnbloquear->setGeometry(10, 106, 200, 32);
    btnbloquear->setIconSize(QSize(24, 24));
    btnbloquear->setAutoDefault(false);

    // "Descuentos"
    auto* descuentos = new QGroupBox("Descuentos", this);
    descuentos->setObjectName("GroupBox3");
    descuentos->setGeometry(352, 232, 339, 230);
    RBDescuentoGeneral = new QRadioButton("Descuento General", descuentos);
    RBDescuentoGeneral->setObjectName("RBDescuentoGeneral");
    RBDescuentoGeneral->setGeometry(10, 20, 200, 22);
    RBDescuentoGeneral->setChecked(true);
    RbCosto = new QRadioButton("Al costo con incremental", descuentos);
    RbCosto->setObjectName("RbCosto");
    RbCosto->setGeometry(10, 42, 200, 22);
    RBDescuentoFamilia = new QRadioButton("Descuento por Familia", descuentos);
    RBDescuentoFamilia->setObjectName("RBDescuentoFamilia");
    RBDescuentoFamilia->setGeometry(10, 64, 200, 22);
    txtporcentaje = edit(descuentos, "txtporcentaje", 230, 40, 60);
    rotulo(descuentos, "%", 294, 40, 20);
    GridFamilias = new QTableWidget(0, 2, descuentos);
    GridFamilias->setObjectName("GridFamilias");
    GridFamilias->setGeometry(10, 92, 319, 128);
    GridFamilias->setHorizontalHeaderLabels({"Familia", "Porcentaje"});
    GridFamilias->verticalHeader()->setVisible(false);
    GridFamilias->verticalHeader()->setDefaultSectionSize(22);
    GridFamilias->setColumnWidth(0, 210);
    GridFamilias->horizontalHeader()->setStretchLastSection(true);
    GridFamilias->setSelectionMode(QAbstractItemView::SingleSelection);
    GridFamilias->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                                  QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    auto* delegado = new DelegadoPorcentaje(GridFamilias);
    GridFamilias->setItemDelegateForColumn(1, delegado);
    GridFamilias->installEventFilter(this);
    connect(GridFamilias, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* i) {
        if (!cargandoGrid_ && i->column() == 1) guardarRenglonDescuento(i->row());
    });
    // Enter in the percentage being typed stores it (above) and goes on to the next family.
    connect(delegado, &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                if (hint == QAbstractItemDelegate::SubmitModelCache) siguienteRenglonDescuento();
            });

    // Bottom bar
    BitBtn8 = boton("Inicio", "BitBtn8", 8, 474, 80);
    BitBtn7 = boton("Anterior", "BitBtn7", 92, 474, 80);
    BitBtn6 = boton("Siguiente", "BitBtn6", 176, 474, 80);
    BitBtn9 = boton("Final", "BitBtn9", 260, 474, 80);
    BitBtn4 = boton("Cancelar", "BitBtn4", 523, 474, 84);
    BitBtn5 = boton("Aceptar", "BitBtn5", 611, 474, 80);

    campos_ = {
        {txtnombre, "Nombre", Tipo::Texto},
        {txtdireccion, "Direccion", Tipo::Texto},
        {txtCP, "CP", Tipo::Texto},
        {txtColonia, "Colonia", Tipo::Texto},
        {txttelefono1, "Telefono1", Tipo::Texto},
        {txttelefono2, "Telefono2", Tipo::Texto},
        {txttelefono3, "Telefono3", Tipo::Texto},
        {txtfax, "Fax", Tipo::Texto},
        {txtcorreo, "Email", Tipo::Texto},
        {txtnombrefiscal, "NombreFiscal", Tipo::Texto},
        {txtrfc, "RFC", Tipo::Texto},
        {txtdireccionfiscal, "DireccionComercial", Tipo::Texto},
        {txtnumerofac, "Numero", Tipo::Texto},
        {txtnumintfac, "Numeroint", Tipo::Texto},
        {txtcoloniafac, "ColoniaFac", Tipo::Texto},
        {txtcpfac, "CPFAC", Tipo::Texto},
        {txtciudad, "Ciudad", Tipo::Texto},
        {txtestadofac, "EstadoFAC", Tipo::Texto},
        {txtnombrecontacto, "Contacto_Nombre", Tipo::Texto},
        {txtcelularcontacto, "Contacto_Celular", Tipo::Texto},
        {txtporcentaje, "Porcentaje", Tipo::Entero},
        {txtlimite, "LimiteCredito", Tipo::Dinero},
        {txtdias, "DiasCredito", Tipo::Entero},
    };
    editables_ = {txtid};
    for (const Campo& c : campos_)
        if (c.edit != txtlimite && c.edit != txtdias) editables_.push_back(c.edit);
    for (QWidget* w :
         std::initializer_list<QWidget*>{RBDescuentoGeneral, RbCosto, RBDescuentoFamilia, ChkCredito})
        editables_.push_back(w);

    connect(BtnAdd, &QPushButton::clicked, this, &TFrmClientes::BtnAddClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TFrmClientes::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFrmClientes::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TFrmClientes::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TFrmClientes::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TFrmClientes::BitBtn5Click);
    connect(BitBtn8, &QPushButton::clicked, this, &TFrmClientes::BitBtn8Click);
    connect(BitBtn7, &QPushButton::clicked, this, &TFrmClientes::BitBtn7Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TFrmClientes::BitBtn6Click);
    connect(BitBtn9, &QPushButton::clicked, this, &TFrmClientes::BitBtn9Click);
    connect(RBDescuentoGeneral, &QRadioButton::clicked, this, &TFrmClientes::RBDescuentoGeneralClick);
    connect(RbCosto, &QRadioButton::clicked, this, &TFrmClientes::RbCostoClick);
    connect(RBDescuentoFamilia, &QRadioButton::clicked, this, &TFrmClientes::RBDescuentoFamiliaClick);
    connect(ChkCredito, &QCheckBox::clicked, this, &TFrmClientes::ChkCreditoClick);
    connect(btnbloquear, &QPushButton::clicked, this, &TFrmClientes::btnbloquearClick);
}

// --- the list of customers -------------------------------------------------------------

void TFrmClientes::abrirClientes() {
    QClientes.abrir();
    filas_ = QClientes.contarFilas();
}

void TFrmClientes::irAFila(int fila) {
    if (filas_ == 0) {
        fila_ = -1;
    } else {
        fila_ = qBound(0, fila, filas_ - 1);
        QClientes.irA(fila_);
    }
    clienteCambio();
}

int TFrmClientes::idActual() const {
    if (nuevo_ || fila_ < 0) return 0;
    return QClientes.entero("Id");
}

bool TFrmClientes::localizar(int idCliente) {
    auto buscar = [&] {
        for (int i = 0; i < filas_; ++i) {
            QClientes.irA(i);
            if (QClientes.entero("Id") == idCliente) {
                irAFila(i);
                return true;
            }
        }
        if (fila_ >= 0) QClientes.irA(fila_);
        return false;
    };
    if (buscar()) return true;
    // Perhaps stored by another station after this screen opened.
    bool hallado = false;
    ui::protegido(
        [&] {
            abrirClientes();
            hallado = buscar();
            if (!hallado) irAFila(fila_);
        },
        this);
    return hallado;
}

void TFrmClientes::clienteCambio() {
    mostrarCampos();
    cargarDescuentos(idActual());
    if (fila_ < 0) {
        ponerBloqueo(false);
        return;
    }
    switch (QClientes.entero("TipoDescuento")) {
        case 3:
            RBDescuentoFamilia->setChecked(true);
            break;
        case 1:
            RBDescuentoGeneral->setChecked(true);
            break;
        case 2:
            RbCosto->setChecked(true);
            break;
        default:  // an unknown scheme leaves the buttons as they were
            break;
    }
    ponerBloqueo(QClientes.logico("Bloqueado"));
}

void TFrmClientes::mostrarCampos() {
    const bool hay = fila_ >= 0;
    txtid->setText(hay ? QClientes.texto("Id") : QString());
    for (const Campo& c : campos_) {
        QVariant v = hay ? QClientes.valor(c.columna) : QVariant();
        if (v.isNull())
            c.edit->clear();
        else if (c.tipo == Tipo::Dinero)
            c.edit->setText(formato::decimal(Money::fromVariant(v).toDouble()));
        else
            c.edit->setText(v.toString());
    }
    ChkCredito->setChecked(hay && QClientes.logico("Credito"));
}

void TFrmClientes::ponerBloqueo(bool bloqueado) {
    btnbloquear->setText(bloqueado ? captionDesbloquear() : captionBloquear());
    btnbloquear->setIcon(candado(bloqueado));
}

// --- discounts by family ------------------------------------------------------------------

void TFrmClientes::cargarDescuentos(int cliente) {
    cargandoGrid_ = true;
    GridFamilias->setRowCount(0);
    if (cliente > 0) {
        Qdescuentofamilias.bind("cliente", cliente);
        QString e;
        // A failure here leaves the grid empty; the customer is still shown.
        if (Qdescuentofamilias.abrir(&e) && !Qdescuentofamilias.vacia()) {
            do {
                int r = GridFamilias->rowCount();
                GridFamilias->insertRow(r);
                auto* familia = new QTableWidgetItem(Qdescuentofamilias.texto("NombreFamilia"));
                familia->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                familia->setData(kRolDescuento, Qdescuentofamilias.entero("Id"));
                familia->setData(kRolFamilia, Qdescuentofamilias.entero("Familia"));
                GridFamilias->setItem(r, 0, familia);
                GridFamilias->setItem(r, 1, new QTableWidgetItem(Qdescuentofamilias.texto("Porcentaje")));
            } while (Qdescuentofamilias.siguiente());
        }
    }
    if (GridFamilias->rowCount() > 0) GridFamilias->setCurrentCell(0, 1);
    cargandoGrid_ = false;
}

// A customer still being typed has no number: his family rows wait in the grid and are
// stored with him by "Aceptar".
void TFrmClientes::agregarDescuentosPendientes() {
    QList<int> presentes;
    for (int r = 0; r < GridFamilias->rowCount(); ++r)
        presentes << GridFamilias->item(r, 0)->data(kRolFamilia).toInt();
    QFamilias.abrir();
    if (QFamilias.vacia()) return;
    cargandoGrid_ = true;
    do {
        const int familia = QFamilias.entero("Id");
        if (presentes.contains(familia)) continue;
        int r = GridFamilias->rowCount();
        GridFamilias->insertRow(r);
        auto* nombre = new QTableWidgetItem(QFamilias.texto("Familia"));
        nombre->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        nombre->setData(kRolDescuento, 0);
        nombre->setData(kRolFamilia, familia);
        GridFamilias->setItem(r, 0, nombre);
        GridFamilias->setItem(r, 1, new QTableWidgetItem(QString()));
    } while (QFamilias.siguiente());
    if (GridFamilias->currentRow() < 0 && GridFamilias->rowCount() > 0) GridFamilias->setCurrentCell(0, 1);
    cargandoGrid_ = false;
}

void TFrmClientes::guardarRenglonDescuento(int renglon) {
    if (renglon < 0 || renglon >= GridFamilias->rowCount()) return;
    const int id = GridFamilias->item(renglon, 0)->data(kRolDescuento).toInt();
    if (id <= 0) return;  // kept until the new customer is stored
    const QString texto = GridFamilias->item(renglon, 1)->text().trimmed();
    bool ok = true;
    QVariant porcentaje = texto.isEmpty() ? QVariant() : QVariant(formato::leerEntero(texto, &ok));
    if (!ok) return;
    // A failure to store one percentage does not stop the typing of the next ones.
    db::ejecutarSilencioso("update tblctrl_descuentos set Porcentaje = :porcentaje where Id = :id",
                           {{"porcentaje", porcentaje}, {"id", id}});
}

void TFrmClientes::siguienteRenglonDescuento() {
    int r = GridFamilias->currentRow();
    if (r >= 0 && r + 1 < GridFamilias->rowCount()) GridFamilias->setCurrentCell(r + 1, 1);
}

bool TFrmClientes::eventFilter(QObject* o, QEvent* e) {
    if (o == GridFamilias && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        // Only when no percentage is being typed (the editor then has the focus).
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) &&
            QApplication::focusWidget() == GridFamilias) {
            guardarRenglonDescuento(GridFamilias->currentRow());
            siguienteRenglonDescuento();
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

// --- browsing and editing ---------------------------------------------------------------------

void TFrmClientes::entrarEdicion() {
    editando_ = true;
    for (QWidget* w : editables_) w->setEnabled(true);
    GridFamilias->setEnabled(RBDescuentoFamilia->isChecked());
    habilitarCredito();
}

void TFrmClientes::salirEdicion() {
    editando_ = false;
    nuevo_ = false;
    for (QWidget* w : editables_) w->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{GridFamilias, txtlimite, txtdias, btnbloquear})
        w->setEnabled(false);
}

void TFrmClientes::habilitarCredito() {
    const bool c = ChkCredito->isChecked();
    txtlimite->setEnabled(c);
    txtdias->setEnabled(c);
    btnbloquear->setEnabled(c);
}

int TFrmClientes::tipoDescuentoElegido() const {
    if (RBDescuentoFamilia->isChecked()) return 3;
    if (RbCosto->isChecked()) return 2;
    return 1;
}

void TFrmClientes::BtnAddClick() {
    if (editando_) return;
    nuevo_ = true;
    entrarEdicion();
    txtid->clear();
    for (const Campo& c : campos_) c.edit->clear();
    ChkCredito->setChecked(false);
    habilitarCredito();
    ponerBloqueo(false);
    cargarDescuentos(0);
    RBDescuentoGeneral->setChecked(true);
    RBDescuentoGeneralClick();
    txtporcentaje->setText("0");
    txtnombre->setFocus();
}

void TFrmClientes::BitBtn2Click() {
    if (editando_ || fila_ < 0) return;
    entrarEdicion();
    txtnombre->setFocus();
}

// The numbers typed, read before anything is stored; a text that is not a number is
// answered as the platform would and nothing is stored.
bool TFrmClientes::leerNumeros(QVariantMap* valores) {
    for (const Campo& c : campos_) {
        if (c.tipo == Tipo::Texto) continue;
        const QString texto = c.edit->text().trimmed();
        if (texto.isEmpty()) {
            (*valores)[c.columna] = QVariant();
            continue;
        }
        bool ok = false;
        if (c.tipo == Tipo::Entero) {
            int n = formato::leerEntero(texto, &ok);
            if (ok) (*valores)[c.columna] = n;
        } else {
            double d = formato::leerDecimal(texto, &ok);
            // An amount beyond what a stored amount can hold would be stored as garbage.
            ok = ok && std::fabs(d) < 1e14;
            if (ok) (*valores)[c.columna] = Money::fromDouble(d).toVariant();
        }
        if (!ok) {
            ui::error(formato::errorConversion(texto), this);
            c.edit->setFocus();
            c.edit->selectAll();
            return false;
        }
    }
    return true;
}

void TFrmClientes::BitBtn5Click() {
    if (!editando_) return;
    if (txtnombre->text().trimmed().isEmpty()) {
        ui::mensaje("Por favor introduce un nombre, gracias", this);
        txtnombre->setFocus();
        return;
    }
    QVariantMap numeros;
    if (!leerNumeros(&numeros)) return;
    ui::protegido(
        [&] {
            db::Transaccion t;
            db::Edicion e = nuevo_ ? db::Edicion::nueva("tblcat_clientes")
                                   : db::Edicion::existente("tblcat_clientes", "Id", idActual());
            for (const Campo& c : campos_)
                e.set(c.columna, c.tipo == Tipo::Texto ? QVariant(c.edit->text()) : numeros.value(c.columna));
            e.set("Credito", ChkCredito->isChecked());
            e.set("TipoDescuento", tipoDescuentoElegido());
            e.set("Bloqueado", btnbloquear->text() == captionDesbloquear());
            const int id = int(e.post());
            if (nuevo_) {
                for (int r = 0; r < GridFamilias->rowCount(); ++r) {
                    const QString p = GridFamilias->item(r, 1)->text().trimmed();
                    bool ok = true;
                    QVariant porcentaje = p.isEmpty() ? QVariant() : QVariant(formato::leerEntero(p, &ok));
                    db::ejecutar(
                        "insert into tblctrl_descuentos (Cliente, Familia, Porcentaje) "
                        "values (:cliente, :familia, :porcentaje)",
                        {{"cliente", id},
                         {"familia", GridFamilias->item(r, 0)->data(kRolFamilia)},
                         {"porcentaje", ok ? porcentaje : QVariant()}});
                }
            }
            t.confirmar();
            salirEdicion();
            abrirClientes();
            if (!localizar(id)) irAFila(0);
        },
        this);
}

void TFrmClientes::BitBtn4Click() {
    if (!editando_) return;
    salirEdicion();
    irAFila(fila_);  // the stored customer again, as he was
}

void TFrmClientes::BitBtn1Click() {
    if (editando_ || fila_ < 0) return;
    if (!ui::pregunta(QString::fromUtf8("¿Estas seguro de querer borrar a este cliente?"), this)) return;
    const int id = idActual();
    const int fila = fila_;
    ui::protegido(
        [&] {
            db::ejecutar("delete from tblcat_clientes where Id = :id", {{"id", id}});
            abrirClientes();
            irAFila(fila);
        },
        this);
}

void TFrmClientes::BitBtn3Click() {
    // Moving to another customer would lose what is being typed.
    if (editando_) return;
    TFrmBuscaCliente* busca = dialogos().BuscaCliente;
    if (!busca) return;
    busca->setProposito(1, this, [this](int id) {
        localizar(id);
        return true;
    });
    busca->mostrar();
}

void TFrmClientes::BitBtn8Click() {
    if (!editando_) irAFila(0);
}
void TFrmClientes::BitBtn7Click() {
    if (!editando_ && fila_ > 0) irAFila(fila_ - 1);
}
void TFrmClientes::BitBtn6Click() {
    if (!editando_ && fila_ + 1 < filas_) irAFila(fila_ + 1);
}
void TFrmClientes::BitBtn9Click() {
    if (!editando_) irAFila(filas_ - 1);
}

void TFrmClientes::RBDescuentoGeneralClick() {
    if (!editando_) return;
    GridFamilias->setEnabled(false);
    txtporcentaje->setEnabled(true);
}

void TFrmClientes::RbCostoClick() {
    RBDescuentoGeneralClick();
}

void TFrmClientes::RBDescuentoFamiliaClick() {
    if (!editando_) return;
    if (nuevo_) {
        ui::protegido([&] { agregarDescuentosPendientes(); }, this);
    } else {
        const int cliente = idActual();
        ui::protegido(
            [&] {
                // One row per family, never two: each family is looked for before adding it.
                db::Transaccion t;
                QFamilias.abrir();
                if (!QFamilias.vacia()) {
                    do {
                        const int familia = QFamilias.entero("Id");
                        Qdescuentofamilia2.bind("cliente", cliente);
                        Qdescuentofamilia2.bind("familia", familia);
                        Qdescuentofamilia2.abrir();
                        if (Qdescuentofamilia2.vacia())
                            db::ejecutar(
                                "insert into tblctrl_descuentos (Cliente, Familia) values (:cliente, "
                                ":familia)",
                                {{"cliente", cliente}, {"familia", familia}});
                    } while (QFamilias.siguiente());
                }
                Qdescuentofamilia2.cerrar();
                t.confirmar();
            },
            this);
        cargarDescuentos(cliente);
    }
    GridFamilias->setEnabled(true);
    txtporcentaje->setEnabled(false);
}

void TFrmClientes::ChkCreditoClick() {
    if (!editando_) return;
    habilitarCredito();  // the limit, the days and the block stay in the record as they are
}

void TFrmClientes::btnbloquearClick() {
    ponerBloqueo(btnbloquear->text() == captionBloquear());
}
