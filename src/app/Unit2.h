#pragma once

#include <QDialog>

class QLabel;

// "Beacon special strings": what the placeholders of a beacon message mean.
// One window for the whole run: it opens at (538, 301) the first time and
// afterwards wherever the user left it.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // Shows the dialog modally and returns when the user has closed it (close
    // button, system menu or Escape).
    void showModalDialog();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
};
