#include "pos/TablaConsulta.h"

#include "common/Formats.h"
#include "db/Dialect.h"
#include "db/Sql.h"

namespace pos {

TablaConsulta::TablaConsulta(QList<Columna> columnas, QObject* parent)
    : QAbstractTableModel(parent), columnas_(std::move(columnas)) {}

void TablaConsulta::cargar(db::Consulta& q) {
    beginResetModel();
    filas_.clear();
    campos_.clear();
    const QSqlRecord r = q.registro();
    for (int i = 0; i < r.count(); ++i) campos_ << r.fieldName(i).toLower();
    if (!q.vacia()) {
        do {
            QVariantList fila;
            fila.reserve(r.count());
            for (int i = 0; i < r.count(); ++i) fila << q.query().value(i);
            filas_ << fila;
        } while (q.siguiente());
    }
    endResetModel();
}

void TablaConsulta::limpiar() {
    beginResetModel();
    filas_.clear();
    endResetModel();
}

QVariant TablaConsulta::valor(int fila, const QString& campo) const {
    if (fila < 0 || fila >= filas_.size()) return {};
    const int i = campos_.indexOf(campo.toLower());
    return i < 0 ? QVariant() : filas_[fila].value(i);
}

int TablaConsulta::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(filas_.size());
}

int TablaConsulta::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columnas_.size());
}

QVariant TablaConsulta::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.column() >= columnas_.size()) return {};
    const Columna& c = columnas_[index.column()];
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(c.alinear);
    if (role != Qt::DisplayRole) return {};
    const QVariant v = valor(index.row(), c.campo);
    if (v.isNull()) return QString();
    return c.formato ? c.formato(v) : v.toString();
}

QVariant TablaConsulta::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal)
        return section < columnas_.size() ? columnas_[section].titulo : QString();
    return QString();
}

QString TablaConsulta::fechaHora(const QVariant& v) {
    return formato::fechaHora(dialecto::leerFecha(v));
}
QString TablaConsulta::dinero(const QVariant& v) {
    return formato::dinero(Money::fromVariant(v).toDouble());
}
QString TablaConsulta::siNo(const QVariant& v) {
    return v.toInt() != 0 ? "Sí" : "No";
}

}  // namespace pos

#include <QHeaderView>
#include <QTableView>

namespace pos {
QTableView* crearRejilla(QWidget* padre, const QString& nombre, TablaConsulta* modelo) {
    auto* g = new QTableView(padre);
    g->setObjectName(nombre);
    g->setModel(modelo);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setAlternatingRowColors(true);
    g->verticalHeader()->setDefaultSectionSize(20);
    g->verticalHeader()->hide();
    g->horizontalHeader()->setStretchLastSection(true);
    return g;
}

int filaActual(QTableView* rejilla) {
    const QModelIndex i = rejilla->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void cargarRejilla(QTableView* rejilla, TablaConsulta* modelo, db::Consulta& q) {
    q.abrir();
    modelo->cargar(q);
    q.cerrar();
    if (modelo->rowCount() > 0) rejilla->setCurrentIndex(modelo->index(0, 0));
}
}  // namespace pos
