#pragma once
#include <QTableWidget>
#include <QVariant>

namespace db {
class Consulta;
}

// An editable grid over the rows of a small catalogue table: each row remembers the Id of
// the record behind it (0 for a row appended and not stored yet). At most one row is in
// edit state at a time: the appended row, or the row whose cells the user changed. The
// screen stores that row when the user presses Enter or leaves it.
class RejillaEditable : public QTableWidget {
    Q_OBJECT
  public:
    RejillaEditable(const QStringList& columnas, QWidget* parent = nullptr);

    // Replaces the rows; each row is the Id followed by one value per column.
    void cargar(const QList<QVariantList>& filas);
    int idFila(int fila) const;
    int idActual() const { return idFila(currentRow()); }
    QString texto(int fila, int columna) const;
    bool seleccionarId(int id);  // makes the row of that Id current

    // Appends an empty row in edit state, makes it current and opens its first cell.
    void agregarFila();
    int filaEditada() const;  // -1 when no row is in edit state
    bool filaNuevaIntacta() const;
    // The row was stored under this Id: it leaves edit state.
    void marcarGuardada(int fila, int id);
    // Drops the pending changes: an appended row is removed.
    void descartarEdicion();

  signals:
    void enterPresionado();
    void suprimirPresionado();
    void filaAbandonada(int fila);  // the current row moved away from the row in edit state

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

  private:
    void alCambiarCelda(int fila, int columna, int filaAnterior, int columnaAnterior);
    QTableWidgetItem* edicion_ = nullptr;  // first cell of the row in edit state
    bool modificada_ = false;
    bool cargando_ = false;
};

// The deletion rule of the small catalogues (brands, models, families) for the current row
// of `rejilla`: while a product still names it, `enUso` is shown and nothing changes;
// otherwise the user is asked `pregunta` + the row's name in double quotes + "?", and on
// Yes the row is deleted from `tabla` (an appended row not stored yet is only dropped).
// `productos` selects the products naming the row through the parameter `parametro`.
// Returns true when a stored row was deleted, so the caller refreshes its grid.
bool borrarSiNoTieneProductos(RejillaEditable* rejilla, db::Consulta& productos, const QString& parametro,
                              const QString& tabla, const QString& enUso, const QString& pregunta,
                              QWidget* padre);
