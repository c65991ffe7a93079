#include "regexinfoform.h"

#include "contextentry.h"
#include "contextregs.h"
#include "infoicons.h"

#include <QHBoxLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QUrl>

namespace {

QTextEdit* Column(QWidget* parent, int width, Qt::Alignment alignment) {
    auto* e = new QTextEdit(parent);
    e->setReadOnly(true);
    e->setFrameShape(QFrame::NoFrame);
    e->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    e->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    e->setLineWrapMode(QTextEdit::NoWrap);
    e->setFocusPolicy(Qt::NoFocus);
    e->setAlignment(alignment);
    QPalette pal = e->palette();
    pal.setColor(QPalette::Base, QColor(0xD8, 0xE9, 0xFF));
    e->setPalette(pal);
    if (width > 0)
        e->setFixedWidth(width);
    return e;
}

} // namespace

Tfrm_RegExInfo::Tfrm_RegExInfo(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setWindowTitle(QStringLiteral("RegEx"));
    resize(561, 90);
    auto* h = new QHBoxLayout(this);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(0);
    edt_RegN = Column(this, 25, Qt::AlignRight);
    edt_RegReplaces = Column(this, 27, Qt::AlignHCenter);
    edt_RegRule = Column(this, 0, Qt::AlignLeft);
    QPalette grey = edt_RegN->palette();
    grey.setColor(QPalette::Text, QColor(0x80, 0x80, 0x80));
    edt_RegN->setPalette(grey);
    h->addWidget(edt_RegN);
    h->addWidget(edt_RegReplaces);
    h->addWidget(edt_RegRule, 1);
}

void Tfrm_RegExInfo::Clear() {
    edt_RegN->clear();
    edt_RegReplaces->clear();
    edt_RegRule->clear();
}

QString Tfrm_RegExInfo::ShownPattern(QString p) {
    const QString before = QStringLiteral("(?<![а-яё])");
    const QString after = QStringLiteral("(?![а-яё])");
    if (p.contains(before))
        p.remove(0, before.size());
    const qsizetype at = p.indexOf(after);
    if (at >= 0)
        p.remove(at, after.size());
    return p;
}

void Tfrm_RegExInfo::ShowEntry(const TDContextEntry* e, const TDContextRegs& rules) {
    Clear();
    if (!e || e->RegExN() == -1 || e->RuleN() == 999 || e->ReplaceLevel() == 777 ||
        e->RegExN() >= rules.Count())
        return;
    const TDContextReg* reg = rules[e->RegExN()];
    QStringList numbers, patterns;
    QTextCursor images(edt_RegReplaces->document());
    bool first = true;
    for (int n : e->RuleNs()) {
        if (n < 1 || n > reg->WordRegExes().size())
            continue;
        numbers << QString::number(n);
        if (!first)
            images.insertBlock();
        first = false;
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        images.setBlockFormat(centred);
        const int index = InfoIcons::LevelIndex(reg->ReplaceLevel()[n - 1]);
        if (index >= 0) {
            const QString name = QStringLiteral("info://%1").arg(index);
            edt_RegReplaces->document()->addResource(QTextDocument::ImageResource, QUrl(name),
                                                     InfoIcons::Info(index));
            images.insertImage(name);
        }
        patterns << ShownPattern(reg->WordRegExes()[n - 1]);
    }
    edt_RegN->setPlainText(numbers.join(QLatin1Char('\n')));
    edt_RegN->selectAll();
    edt_RegN->setAlignment(Qt::AlignRight);
    edt_RegN->moveCursor(QTextCursor::Start);
    edt_RegRule->setPlainText(patterns.join(QLatin1Char('\n')));
}
