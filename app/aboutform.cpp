#include "aboutform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("О программе"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 14);
    layout->setSpacing(4);
    auto label = [this, layout](const QString& text, const char* name) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setAlignment(Qt::AlignHCenter);
        layout->addWidget(l);
        return l;
    };

    lbl_AppName = label(QStringLiteral("tarv"), "lbl_AppName");
    QFont nameFont = lbl_AppName->font();
    nameFont.setBold(true);
    if (nameFont.pointSizeF() > 0)
        nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
    else
        nameFont.setPixelSize(nameFont.pixelSize() * 8 / 5);
    lbl_AppName->setFont(nameFont);
    label(QStringLiteral("ё-фикация документов"), "lbl_AppDescription");
    layout->addSpacing(8);
    lbl_AppVersion = label(QStringLiteral("версия ") + VersionText(), "lbl_AppVersion");
    lbl_AppDate = label(QStringLiteral("2026"), "lbl_AppDate");
    layout->addSpacing(8);

    lbl_Contact = label(QString::fromLatin1(kContactAddress), "lbl_Contact");
    QFont contactFont = lbl_Contact->font();
    contactFont.setBold(true);
    lbl_Contact->setFont(contactFont);
    lbl_Contact->setCursor(Qt::PointingHandCursor);
    lbl_Contact->setToolTip(QStringLiteral("написать письмо"));
    SetContactColor(QColor(Qt::darkBlue));
    lbl_Contact->installEventFilter(this);
    layout->addSpacing(10);

    btn_Ok = new QPushButton(QStringLiteral("OK"), this);
    btn_Ok->setObjectName(QStringLiteral("btn_Ok"));
    btn_Ok->setDefault(true);
    connect(btn_Ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(btn_Ok, 0, Qt::AlignHCenter);
    layout->addStrut(260);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TAboutForm::VersionText() {
    const QString version = QCoreApplication::applicationVersion();
    return version.isEmpty() ? QStringLiteral(TARV_VERSION) : version;
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lbl_Contact) {
        switch (event->type()) {
        case QEvent::Enter:
            SetContactColor(QColor(Qt::darkBlue));
            break;
        case QEvent::Leave:
            SetContactColor(QColor(Qt::black));
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
                lbl_Contact->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
                QDesktopServices::openUrl(
                    QUrl(QStringLiteral("mailto:") + QString::fromLatin1(kContactAddress)));
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutForm::SetContactColor(const QColor& color) {
    QPalette palette = lbl_Contact->palette();
    palette.setColor(QPalette::WindowText, color);
    lbl_Contact->setPalette(palette);
}
