#pragma once
#include <QString>

class QComboBox;
namespace db {
class Consulta;
}

// Drop-down lists that stand for a key: each entry keeps the Id of the row behind it (as
// item data), and the record column is written from the Id of the selected entry. In a
// list with typing, an entry is selected while the box shows its text.
namespace listas {

// Empties the list and fills it from the query's rows: the text column and "Id".
void llenar(QComboBox* lista, db::Consulta& q, const QString& columnaTexto);
int seleccionado(const QComboBox* lista);    // index of the selected entry, -1 when none
int idSeleccionado(const QComboBox* lista);  // Id behind it, 0 when none
bool haySeleccion(const QComboBox* lista);
bool seleccionarId(QComboBox* lista, int id);  // nothing selected when the Id is not listed
void limpiarSeleccion(QComboBox* lista);
// The text becomes the selected entry's exact text, or empty when none is selected.
void normalizar(QComboBox* lista);

}  // namespace listas
