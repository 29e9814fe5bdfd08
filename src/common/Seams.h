#pragma once
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;
class QDialog;

// Every modal interaction of the program passes through here: production shows the real
// message box or dialog; a test installs a Guion that answers and records instead.
namespace ui {

// An information message (a user error such as "Faltan datos, gracias").
void mensaje(const QString& texto, QWidget* padre = nullptr);
// An error of the database, the report engine or the web service: the engine's text.
void error(const QString& texto, QWidget* padre = nullptr);
// A Yes/No question; true for Yes.
bool pregunta(const QString& texto, QWidget* padre = nullptr);
// Shows a dialog modally and returns its result (QDialog::Accepted / Rejected).
int ejecutar(QDialog* dialogo);
// File choosers; empty when abandoned.
QString abrirArchivo(QWidget* padre, const QString& titulo, const QString& carpeta, const QString& filtro);
QString guardarArchivo(QWidget* padre, const QString& titulo, const QString& archivo, const QString& filtro);

// Opens a web page in the system browser.
void abrirUrl(const QString& url);

// A test's script. Texts shown are recorded in order; questions take the next answer of
// `respuestas` (No when none is left); dialogs go to `dialogo`, which may drive the
// dialog (it is shown, not modal) and returns its result; without one they are rejected.
struct Guion {
    QStringList mostrados;   // every message, error and question text, in order
    QStringList errores;     // only the error texts
    QStringList preguntas;   // only the question texts
    QList<bool> respuestas;  // answers to the next questions
    std::function<int(QDialog*)> dialogo;
    std::function<QString(const QString& titulo)> archivo;  // answers file choosers
    QStringList dialogosMostrados;                          // objectName or title of each dialog shown
    QStringList urls;                                       // pages that would have been opened
    void limpiar() {
        mostrados.clear();
        errores.clear();
        preguntas.clear();
        dialogosMostrados.clear();
    }
};
void usarGuion(Guion* guion);  // nullptr: back to real widgets
Guion* guion();

// Runs a user-event handler: a database error shows the engine's message, a silent abort
// (see SilentAbort) ends the handler with nothing shown. Returns false when it failed.
bool protegido(const std::function<void()>& handler, QWidget* padre = nullptr);

// Raised to end the current operation silently (no message, nothing more written).
struct AbortoSilencioso {};

}  // namespace ui
