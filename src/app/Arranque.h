#pragma once
class QWidget;

namespace app {
// Creates, hidden, the dialogs that screens borrow, in start-up order, and registers
// them in dialogos(). Called once the connection is open.
void crearDialogos(QWidget* principal);
void destruirDialogos();
// The whole program: options, translations, data folder, connection, main window,
// dialogs, login, main loop.
int ejecutar(int argc, char** argv);
}  // namespace app
