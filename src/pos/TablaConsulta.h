#pragma once
#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <QVariant>
#include <functional>

namespace db {
class Consulta;
}

namespace pos {

// A read-only grid over the rows of a query, read once when loaded. Every column of the
// query is kept, shown or not, so that a screen reads the current row by column name.
class TablaConsulta : public QAbstractTableModel {
    Q_OBJECT
  public:
    using Formato = std::function<QString(const QVariant&)>;
    struct Columna {
        QString titulo;
        QString campo;
        Formato formato;  // empty: the value's text
        Qt::Alignment alinear = Qt::AlignLeft | Qt::AlignVCenter;
    };

    explicit TablaConsulta(QList<Columna> columnas, QObject* parent = nullptr);
    void cargar(db::Consulta& q);  // every row of the open query
    void limpiar();
    QVariant valor(int fila, const QString& campo) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Display formats shared by the sale lists.
    static QString fechaHora(const QVariant& v);
    static QString dinero(const QVariant& v);
    static QString siNo(const QVariant& v);

  private:
    QList<Columna> columnas_;
    QStringList campos_;  // lower-case names of the query's columns
    QList<QVariantList> filas_;
};

}  // namespace pos

class QTableView;
class QWidget;
namespace pos {
// The read-only, whole-row grid of the sale screens over a TablaConsulta.
QTableView* crearRejilla(QWidget* padre, const QString& nombre, TablaConsulta* modelo);
// The query row of the grid's current row; -1 when there is none.
int filaActual(QTableView* rejilla);
// Opens the query, loads its rows into the grid's model, closes it and makes the first row
// current, so that what the screen shows for the current row follows. Throws db::SqlError.
void cargarRejilla(QTableView* rejilla, TablaConsulta* modelo, db::Consulta& q);
}  // namespace pos
