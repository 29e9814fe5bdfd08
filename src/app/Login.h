#pragma once
#include <QDialog>

class QLineEdit;
class QLabel;
class QPushButton;

// The login window "Acceso Palmeto": a borderless picture with the user and password
// fields, a green check (accept) and a red cross (end the program).
class TFrmLogin : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmLogin(QWidget* parent = nullptr);

    void BitBtn1Click();  // "Entrar"
    void Image3Click();   // the red cross

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLabel* Image1;
    QLabel* Image2;
    QLabel* Image3;
    QPushButton* BitBtn1;
};
