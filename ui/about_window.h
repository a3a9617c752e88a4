#pragma once

#include <QDialog>

class PictureBox;
class QPushButton;

// The About window: shown modally, hidden by "Ok" and kept for the next opening, so a picture
// swapped by a click on the portrait stays swapped.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void swapPortrait();

    PictureBox *m_shown;        // Image1
    PictureBox *m_store;        // Image3
    PictureBox *m_otherStore;   // Image4
    QPushButton *m_ok;
};
