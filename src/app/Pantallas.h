#pragma once
#include <QWidget>

// A working screen that this release does not include yet: it opens with its title and
// says so, so that the toolbar and its permissions already work.
class TFrmPendiente : public QWidget {
    Q_OBJECT
  public:
    TFrmPendiente(const QString& objeto, const QString& titulo, QWidget* parent = nullptr);
};
