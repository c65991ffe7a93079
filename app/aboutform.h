#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The window "О программе": name, version, year and the address to write to. The caller shows it
// with exec().
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);

    // Where the contact line's letter goes.
    static constexpr char kContactAddress[] = "tarv@example.org";

    // The application's version, else the one compiled in.
    static QString VersionText();

    QLabel* lbl_AppName = nullptr;
    QLabel* lbl_AppVersion = nullptr;
    QLabel* lbl_AppDate = nullptr;
    QLabel* lbl_Contact = nullptr;
    QPushButton* btn_Ok = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetContactColor(const QColor& color);
};
