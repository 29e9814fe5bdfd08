#pragma once
#include <QWidget>

class QTimer;
class QLabel;

// "Sistema de Soporte en Linea KAVO": opens the maker's support page (path "/tts" on the
// site kept in configuration row 74) in the system browser, ten milliseconds after it is
// created, bypassing any cached copy.
class TFrmWeb : public QWidget {
    Q_OBJECT
  public:
    explicit TFrmWeb(QWidget* parent = nullptr);
    static QString direccionSoporte();

  private:
    void Timer1Timer();
    QTimer* Timer1;
    QLabel* WebBrowser1;
};
