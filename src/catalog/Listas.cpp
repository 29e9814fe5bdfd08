#include "catalog/Listas.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "db/Sql.h"

namespace listas {

void llenar(QComboBox* lista, db::Consulta& q, const QString& columnaTexto) {
    QSignalBlocker b(lista);
    lista->clear();
    q.abrir();
    if (!q.vacia()) do
            lista->addItem(q.texto(columnaTexto), q.entero("Id"));
        while (q.siguiente());
    lista->setCurrentIndex(-1);
    if (lista->isEditable()) lista->setEditText(QString());
}

int seleccionado(const QComboBox* lista) {
    const int i = lista->currentIndex();
    if (!lista->isEditable()) return i;
    const QString t = lista->currentText();
    if (t.isEmpty()) return -1;
    if (i >= 0 && lista->itemText(i).compare(t, Qt::CaseInsensitive) == 0) return i;
    return lista->findText(t, Qt::MatchFixedString);
}

int idSeleccionado(const QComboBox* lista) {
    const int i = seleccionado(lista);
    return i >= 0 ? lista->itemData(i).toInt() : 0;
}

bool haySeleccion(const QComboBox* lista) {
    return seleccionado(lista) >= 0;
}

bool seleccionarId(QComboBox* lista, int id) {
    const int i = lista->findData(id);
    lista->setCurrentIndex(i);
    if (i < 0 && lista->isEditable()) lista->setEditText(QString());
    return i >= 0;
}

void limpiarSeleccion(QComboBox* lista) {
    lista->setCurrentIndex(-1);
    if (lista->isEditable()) lista->setEditText(QString());
}

void normalizar(QComboBox* lista) {
    if (!lista->isEditable()) return;
    const int i = seleccionado(lista);
    if (i < 0) {
        limpiarSeleccion(lista);
        return;
    }
    if (lista->currentIndex() != i) lista->setCurrentIndex(i);
    if (lista->currentText() != lista->itemText(i)) lista->setEditText(lista->itemText(i));
}

}  // namespace listas
