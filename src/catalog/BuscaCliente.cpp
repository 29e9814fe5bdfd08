#include "catalog/BuscaCliente.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>

#include "common/Formats.h"
#include "common/Seams.h"
#include "common/ZUMUtils.h"
#include "db/Dialect.h"

namespace {
const char* kListaCompleta = "select * from tblcat_clientes order by nombre";
const char* const kColumnas[] = {"Id", "Nombre", "RFC", "Direccion"};
}  // namespace

TFrmBuscaCliente::TFrmBuscaCliente(QWidget* parent)
    : QDialog(parent),
      QAdeudo("select sum(saldo) as total from tblctrl_credito where saldo > 0 and cliente = :cliente") {
    setObjectName("FrmBuscaCliente");
    setWindowTitle(QString::fromUtf8("Buscar Cliente"));
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setFixedSize(640, 420);

    auto rotulo = [this](const QString& texto, int x) {
        auto* l = new QLabel(texto, this);
        l->setGeometry(x, 8, 200, 16);
        return l;
    };
    rotulo("Id", 8);
    rotulo("Nombre", 96);
    rotulo("RFC", 436);
    txtid = new QLineEdit(this);
    txtid->setObjectName("txtid");
    txtid->setGeometry(8, 26, 80, 24);
    txtnombre = new QLineEdit(this);
    txtnombre->setObjectName("txtnombre");
    txtnombre->setGeometry(96, 26, 332, 24);
    txtrfc = new QLineEdit(this);
    txtrfc->setObjectName("txtrfc");
    txtrfc->setGeometry(436, 26, 196, 24);
    ZUMUtils::colorearFoco({txtid, txtnombre, txtrfc});
    for (QLineEdit* caja : {txtid, txtnombre, txtrfc}) caja->installEventFilter(this);
    connect(txtid, &QLineEdit::textChanged, this, &TFrmBuscaCliente::txtidChange);
    connect(txtnombre, &QLineEdit::textChanged, this, &TFrmBuscaCliente::txtnombreChange);
    connect(txtrfc, &QLineEdit::textChanged, this, &TFrmBuscaCliente::txtrfcChange);

    modelo_ = new QStandardItemModel(0, 4, this);
    modelo_->setObjectName("QClientes");
    for (int c = 0; c < 4; ++c) modelo_->setHeaderData(c, Qt::Horizontal, QString(kColumnas[c]));
    Grid = new QTableView(this);
    Grid->setObjectName("Grid");
    Grid->setGeometry(8, 58, 624, 354);
    Grid->setModel(modelo_);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->verticalHeader()->setVisible(false);
    Grid->verticalHeader()->setDefaultSectionSize(22);
    Grid->setColumnWidth(0, 60);
    Grid->setColumnWidth(1, 250);
    Grid->setColumnWidth(2, 120);
    Grid->horizontalHeader()->setStretchLastSection(true);
    Grid->installEventFilter(this);
    connect(Grid, &QTableView::doubleClicked, this, [this](const QModelIndex&) { SeleccionarCliente(); });
}

QColor TFrmBuscaCliente::colorBloqueado() {
    return QColor(255, 128, 0);
}
QColor TFrmBuscaCliente::colorSinCredito() {
    return QColor(192, 192, 192);
}

void TFrmBuscaCliente::setProposito(int p, QWidget* l, Accion a) {
    proposito_ = p;
    llamador_ = l;
    accion_ = std::move(a);
}

int TFrmBuscaCliente::mostrar() {
    limpiando_ = true;
    txtid->clear();
    txtnombre->clear();
    txtrfc->clear();
    limpiando_ = false;
    habilitarCajas(true, true, true);
    listaCompleta();
    txtnombre->setFocus();
    return ui::ejecutar(this);
}

bool TFrmBuscaCliente::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (o == Grid) {
            if (k->key() == Qt::Key_Escape) {
                reject();
                return true;
            }
            if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
                SeleccionarCliente();
                return true;
            }
        } else if (o == txtid || o == txtnombre || o == txtrfc) {
            if (k->key() == Qt::Key_Escape) {
                reject();
                return true;
            }
            if (k->key() == Qt::Key_Down) {
                Grid->setFocus();
                if (!Grid->currentIndex().isValid() && modelo_->rowCount() > 0)
                    Grid->setCurrentIndex(modelo_->index(0, 0));
                return true;
            }
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFrmBuscaCliente::habilitarCajas(bool id, bool nombre, bool rfc) {
    txtid->setEnabled(id);
    txtnombre->setEnabled(nombre);
    txtrfc->setEnabled(rfc);
}

void TFrmBuscaCliente::listaCompleta() {
    QClientes.setSql(kListaCompleta);
    llenarLista();
}

void TFrmBuscaCliente::txtidChange() {
    if (limpiando_) return;
    const QString texto = txtid->text();
    if (texto.isEmpty()) {
        habilitarCajas(true, true, true);
        listaCompleta();
        return;
    }
    habilitarCajas(true, false, false);
    const QString numero = dialecto::numeroEntero(texto);
    if (numero.isEmpty()) {
        // The number comparison cannot be made: say so as the engine would, list nothing.
        vaciarLista();
        ui::error(formato::errorCriterio(texto), this);
        return;
    }
    QClientes.setSql("select * from tblcat_clientes where id = :id");
    QClientes.bind("id", numero.toLongLong());
    llenarLista();
}

void TFrmBuscaCliente::txtnombreChange() {
    filtrarPorTexto(txtnombre, "nombre");
}

void TFrmBuscaCliente::txtrfcChange() {
    filtrarPorTexto(txtrfc, "rfc");
}

// The name and tax-id boxes: while one holds text, only it is enabled and the list holds
// the customers whose column contains that text.
void TFrmBuscaCliente::filtrarPorTexto(QLineEdit* caja, const QString& columna) {
    if (limpiando_) return;
    const QString texto = caja->text();
    if (texto.isEmpty()) {
        habilitarCajas(true, true, true);
        listaCompleta();
        return;
    }
    habilitarCajas(false, caja == txtnombre, caja == txtrfc);
    QClientes.setSql("select * from tblcat_clientes where " + dialecto::como(columna, ":patron"));
    QClientes.bind("patron", dialecto::patronContiene(texto));
    llenarLista();
}

void TFrmBuscaCliente::vaciarLista() {
    QClientes.cerrar();
    modelo_->removeRows(0, modelo_->rowCount());
}

void TFrmBuscaCliente::llenarLista() {
    vaciarLista();
    QString e;
    if (!QClientes.abrir(&e)) {
        ui::error(e, this);
        return;
    }
    if (QClientes.vacia()) return;
    do {
        const bool bloqueado = QClientes.logico("Bloqueado");
        const bool credito = QClientes.logico("Credito");
        QList<QStandardItem*> celdas;
        for (const char* columna : kColumnas) {
            auto* celda = new QStandardItem(QClientes.texto(columna));
            celda->setEditable(false);
            if (bloqueado) celda->setBackground(colorBloqueado());
            if (!credito) celda->setForeground(colorSinCredito());
            celdas << celda;
        }
        celdas[0]->setData(QClientes.entero("Id"), Qt::UserRole);
        modelo_->appendRow(celdas);
    } while (QClientes.siguiente());
    Grid->setCurrentIndex(modelo_->index(0, 0));
}

int TFrmBuscaCliente::clienteActual() const {
    QModelIndex i = Grid->currentIndex();
    if (!i.isValid()) return 0;
    return modelo_->index(i.row(), 0).data(Qt::UserRole).toInt();
}

void TFrmBuscaCliente::SeleccionarCliente() {
    const int id = clienteActual();
    if (id == 0) return;
    if (!accion_) {
        accept();
        return;
    }
    bool cerrar = false;
    // A database error inside the caller's action shows the engine's message; the
    // dialog stays open for another choice.
    ui::protegido([&] { cerrar = accion_(id); }, this);
    if (cerrar) accept();
}

Money TFrmBuscaCliente::adeudo(int idCliente) {
    QAdeudo.bind("cliente", idCliente);
    QAdeudo.abrir();
    const Money total = QAdeudo.vacia() ? Money() : QAdeudo.dinero("total");
    QAdeudo.cerrar();  // a pending statement would hold this connection's snapshot
    return total;
}
