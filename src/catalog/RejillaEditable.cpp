#include "catalog/RejillaEditable.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "common/Seams.h"
#include "db/Sql.h"

RejillaEditable::RejillaEditable(const QStringList& columnas, QWidget* parent) : QTableWidget(parent) {
    setColumnCount(columnas.size());
    setHorizontalHeaderLabels(columnas);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    verticalHeader()->setDefaultSectionSize(22);
    horizontalHeader()->setStretchLastSection(true);
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* it) {
        if (cargando_) return;
        QTableWidgetItem* primera = item(it->row(), 0);
        if (edicion_ && edicion_ != primera) return;  // only one row is edited at a time
        edicion_ = primera;
        modificada_ = true;
    });
    connect(this, &QTableWidget::currentCellChanged, this, &RejillaEditable::alCambiarCelda);
}

void RejillaEditable::cargar(const QList<QVariantList>& filas) {
    cargando_ = true;
    const bool bloqueado = blockSignals(true);
    clearContents();
    setRowCount(int(filas.size()));
    for (int f = 0; f < filas.size(); ++f) {
        const QVariantList& v = filas[f];
        for (int c = 0; c < columnCount(); ++c) {
            auto* it = new QTableWidgetItem(c + 1 < v.size() ? v[c + 1].toString() : QString());
            if (c == 0) it->setData(Qt::UserRole, v.value(0).toInt());
            setItem(f, c, it);
        }
    }
    edicion_ = nullptr;
    modificada_ = false;
    if (rowCount() > 0) setCurrentCell(0, 0);
    blockSignals(bloqueado);
    cargando_ = false;
}

int RejillaEditable::idFila(int fila) const {
    QTableWidgetItem* it = fila >= 0 ? item(fila, 0) : nullptr;
    return it ? it->data(Qt::UserRole).toInt() : 0;
}

QString RejillaEditable::texto(int fila, int columna) const {
    QTableWidgetItem* it = fila >= 0 ? item(fila, columna) : nullptr;
    return it ? it->text() : QString();
}

bool RejillaEditable::seleccionarId(int id) {
    for (int f = 0; f < rowCount(); ++f)
        if (idFila(f) == id) {
            setCurrentCell(f, qMax(0, currentColumn()));
            return true;
        }
    return false;
}

void RejillaEditable::agregarFila() {
    cargando_ = true;
    const int f = rowCount();
    setRowCount(f + 1);
    for (int c = 0; c < columnCount(); ++c) {
        auto* it = new QTableWidgetItem();
        if (c == 0) it->setData(Qt::UserRole, 0);
        setItem(f, c, it);
    }
    cargando_ = false;
    edicion_ = item(f, 0);
    modificada_ = false;
    setCurrentCell(f, 0);
    setFocus();
    editItem(item(f, 0));
}

int RejillaEditable::filaEditada() const {
    return edicion_ ? edicion_->row() : -1;
}

bool RejillaEditable::filaNuevaIntacta() const {
    return edicion_ && !modificada_ && edicion_->data(Qt::UserRole).toInt() == 0;
}

void RejillaEditable::marcarGuardada(int fila, int id) {
    if (QTableWidgetItem* it = item(fila, 0)) {
        cargando_ = true;
        it->setData(Qt::UserRole, id);
        cargando_ = false;
    }
    if (edicion_ && edicion_->row() == fila) {
        edicion_ = nullptr;
        modificada_ = false;
    }
}

void RejillaEditable::descartarEdicion() {
    if (!edicion_) return;
    const int f = edicion_->row();
    const bool nueva = edicion_->data(Qt::UserRole).toInt() == 0;
    edicion_ = nullptr;
    modificada_ = false;
    if (nueva) removeRow(f);
}

void RejillaEditable::keyPressEvent(QKeyEvent* e) {
    if (state() != QAbstractItemView::EditingState) {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            emit enterPresionado();
            return;
        }
        if (e->key() == Qt::Key_Delete) {
            emit suprimirPresionado();
            return;
        }
    }
    QTableWidget::keyPressEvent(e);
}

void RejillaEditable::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableWidget::closeEditor(editor, hint);
    // Enter in an open cell commits the cell and stores the row.
    if (hint == QAbstractItemDelegate::SubmitModelCache) emit enterPresionado();
}

void RejillaEditable::alCambiarCelda(int fila, int, int filaAnterior, int) {
    if (cargando_ || !edicion_ || fila == filaAnterior || edicion_->row() != filaAnterior) return;
    if (!modificada_ && edicion_->data(Qt::UserRole).toInt() == 0) {
        // An appended row left untouched is dropped, as if it had never been added.
        QTableWidgetItem* abandonada = edicion_;
        edicion_ = nullptr;
        QMetaObject::invokeMethod(
            this,
            [this, abandonada] {
                for (int f = 0; f < rowCount(); ++f)
                    if (item(f, 0) == abandonada) {
                        removeRow(f);
                        break;
                    }
            },
            Qt::QueuedConnection);
        return;
    }
    emit filaAbandonada(filaAnterior);
}

bool borrarSiNoTieneProductos(RejillaEditable* rejilla, db::Consulta& productos, const QString& parametro,
                              const QString& tabla, const QString& enUso, const QString& pregunta,
                              QWidget* padre) {
    const int f = rejilla->currentRow();
    if (f < 0) return false;
    const int id = rejilla->idFila(f);
    // A row not stored yet has no Id for a product to name.
    if (id > 0) {
        productos.bind(parametro, id);
        productos.abrir();
        if (!productos.vacia()) {
            ui::mensaje(enUso, padre);
            return false;
        }
    }
    if (!ui::pregunta(pregunta + "\"" + rejilla->texto(f, 0) + "\"?", padre)) return false;
    if (id <= 0) {
        rejilla->descartarEdicion();
        return false;
    }
    db::ejecutar("delete from " + tabla + " where Id = :id", {{"id", id}});
    return true;
}
