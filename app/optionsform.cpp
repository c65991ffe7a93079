#include "optionsform.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionViewItem>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QColor kMissingFileColor(128, 128, 128);
constexpr int kKindColumnWidth = 24;
// The least the check box and the margins take of the name column.
constexpr int kNameColumnReserve = 20;

} // namespace

TOptionsForm::TOptionsForm(TDOleServer oleServer, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Настройки"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);

    chk_ShowEntriesCount = new QCheckBox(QStringLiteral("показывать число словоформ"), this);
    chk_ShowEntriesCount->setObjectName(QStringLiteral("chk_ShowEntriesCount"));
    connect(chk_ShowEntriesCount, &QCheckBox::clicked, this,
            [this](bool checked) { fShowEntriesCount = checked; });
    chk_DoSearchAfterOpen = new QCheckBox(QStringLiteral("начать поиск после открытия файла"), this);
    chk_DoSearchAfterOpen->setObjectName(QStringLiteral("chk_DoSearchAfterOpen"));
    layout->addWidget(chk_ShowEntriesCount);
    layout->addWidget(chk_DoSearchAfterOpen);
    layout->addSpacing(6);

    auto* lbl_UserDictionaries = new QLabel(QStringLiteral("пользовательские словари"), this);
    lbl_UserDictionaries->setObjectName(QStringLiteral("lbl_UserDictionaries"));
    layout->addWidget(lbl_UserDictionaries);

    vst_UserDictionaries = new QTreeWidget(this);
    vst_UserDictionaries->setObjectName(QStringLiteral("vst_UserDictionaries"));
    vst_UserDictionaries->setColumnCount(2);
    vst_UserDictionaries->setHeaderLabels({QString(), QStringLiteral("файл")});
    vst_UserDictionaries->setHeaderHidden(true);
    vst_UserDictionaries->setRootIsDecorated(false);
    vst_UserDictionaries->setUniformRowHeights(true);
    vst_UserDictionaries->setSelectionMode(QAbstractItemView::ExtendedSelection);
    vst_UserDictionaries->setSelectionBehavior(QAbstractItemView::SelectRows);
    vst_UserDictionaries->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vst_UserDictionaries->setIconSize(QSize(16, 16));
    // The names come elided already; this only keeps the middle if a style needs more room than
    // NameWidth() leaves.
    vst_UserDictionaries->setTextElideMode(Qt::ElideMiddle);
    QHeaderView* header = vst_UserDictionaries->header();
    header->setMinimumSectionSize(16);
    header->setStretchLastSection(true);
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    header->resizeSection(0, kKindColumnWidth);
    connect(header, &QHeaderView::sectionResized, this, [this](int logicalIndex, int, int newSize) {
        // The header tells the new size before it keeps it.
        if (logicalIndex == 1)
            UpdateShownNames(newSize);
    });
    connect(vst_UserDictionaries, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        const int row = vst_UserDictionaries->indexOfTopLevelItem(item);
        if (fFilling || column != 1 || row < 0 || row >= fUserDictionaries.size())
            return;
        fUserDictionaries[row].Use = item->checkState(1) == Qt::Checked;
    });
    vst_UserDictionaries->installEventFilter(this);
    lbl_UserDictionaries->setBuddy(vst_UserDictionaries);
    layout->addWidget(vst_UserDictionaries, 1);

    lbl_DictionariesNote = new QLabel(
        QStringLiteral("словари без отметки не загружаются; изменения списка действуют после перезапуска"),
        this);
    lbl_DictionariesNote->setObjectName(QStringLiteral("lbl_DictionariesNote"));
    lbl_DictionariesNote->setWordWrap(true);
    QFont noteFont = lbl_DictionariesNote->font();
    if (noteFont.pointSizeF() > 0)
        noteFont.setPointSizeF(noteFont.pointSizeF() - 1);
    else
        noteFont.setPixelSize(noteFont.pixelSize() - 1);
    lbl_DictionariesNote->setFont(noteFont);
    QPalette notePalette = lbl_DictionariesNote->palette();
    notePalette.setColor(QPalette::WindowText, kMissingFileColor);
    lbl_DictionariesNote->setPalette(notePalette);

    auto listButton = [this](const QString& caption, const char* name, const QString& hint) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(hint);
        b->setAutoDefault(false);
        b->setFixedSize(28, 24);
        return b;
    };
    btn_AddDictionary =
        listButton(QStringLiteral("+"), "btn_AddDictionary", QStringLiteral("добавить словарь"));
    btn_DeleteDictionary = listButton(QStringLiteral("-"), "btn_DeleteDictionary",
                                      QStringLiteral("убрать выбранный словарь из списка"));
    connect(btn_AddDictionary, &QPushButton::clicked, this, &TOptionsForm::AddDictionary);
    connect(btn_DeleteDictionary, &QPushButton::clicked, this, &TOptionsForm::DeleteDictionary);
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(lbl_DictionariesNote, 1, Qt::AlignTop);
    listRow->addWidget(btn_AddDictionary, 0, Qt::AlignTop);
    listRow->addWidget(btn_DeleteDictionary, 0, Qt::AlignTop);
    layout->addLayout(listRow);

    grp_WordSearchOptions = new QGroupBox(QStringLiteral(" способ поиска "), this);
    grp_WordSearchOptions->setObjectName(QStringLiteral("grp_WordSearchOptions"));
    auto* searchRow = new QHBoxLayout(grp_WordSearchOptions);
    Type1_RadioButton = new QRadioButton(QStringLiteral("тип 1"), grp_WordSearchOptions);
    Type1_RadioButton->setObjectName(QStringLiteral("Type1_RadioButton"));
    Type2_RadioButton = new QRadioButton(QStringLiteral("тип 2"), grp_WordSearchOptions);
    Type2_RadioButton->setObjectName(QStringLiteral("Type2_RadioButton"));
    Type1_RadioButton->setChecked(true);
    searchRow->addWidget(Type1_RadioButton);
    searchRow->addWidget(Type2_RadioButton);
    searchRow->addStretch(1);
    grp_WordSearchOptions->setVisible(oleServer == osWord);
    layout->addWidget(grp_WordSearchOptions);

    btn_Cancel = new QPushButton(QStringLiteral("отмена"), this);
    btn_Cancel->setObjectName(QStringLiteral("btn_Cancel"));
    btn_Cancel->setAutoDefault(false);
    btn_Ok = new QPushButton(QStringLiteral("да"), this);
    btn_Ok->setObjectName(QStringLiteral("btn_Ok"));
    btn_Ok->setDefault(true);
    btn_Ok->setAutoDefault(true);
    connect(btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btn_Ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btn_Cancel);
    buttons->addWidget(btn_Ok);
    layout->addLayout(buttons);

    ChooseFile = [this] {
        const QStringList filters = {QStringLiteral("файлы словарей (*.txt)"),
                                     QStringLiteral("все файлы (*)")};
        QString selected = filters.first();
        return QFileDialog::getOpenFileName(
            this, QStringLiteral("Добавить словарь"), QCoreApplication::applicationDirPath(),
            filters.join(QStringLiteral(";;")), &selected, QFileDialog::DontUseNativeDialog);
    };
    resize(420, 360);
}

void TOptionsForm::SetUserDictionaries(const TDUserDictionaries& value) {
    fUserDictionaries = value;
    vst_UserDictionaries->clear();
    for (const TDUserDictionary& d : std::as_const(fUserDictionaries))
        AppendRow(d);
}

void TOptionsForm::SetShowEntriesCount(bool value) {
    fShowEntriesCount = value;
    chk_ShowEntriesCount->setChecked(value);
}

bool TOptionsForm::DoSearchAfterOpen() const {
    return chk_DoSearchAfterOpen->isChecked();
}

void TOptionsForm::SetDoSearchAfterOpen(bool value) {
    chk_DoSearchAfterOpen->setChecked(value);
}

int TOptionsForm::SearchType() const {
    return Type1_RadioButton->isChecked() ? 1 : 2;
}

void TOptionsForm::SetSearchType(int value) {
    (value == 1 ? Type1_RadioButton : Type2_RadioButton)->setChecked(true);
}

void TOptionsForm::AddDictionary() {
    const QString name = ChooseFile ? ChooseFile() : QString();
    if (name.isEmpty())
        return;
    const quint8 kind = DictionaryKindOfFile(name);
    if (kind == 0) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Не удаётся прочитать файл словаря\n%1\n\nСловарь не добавлен.")
                                 .arg(QDir::toNativeSeparators(name)));
        return;
    }
    TDUserDictionary d;
    d.FullName = name;
    d.DictionaryKind = kind;
    d.Use = false;
    d.FileIsMissing = false;
    fUserDictionaries.append(d);
    AppendRow(d);
    QTreeWidgetItem* added =
        vst_UserDictionaries->topLevelItem(vst_UserDictionaries->topLevelItemCount() - 1);
    vst_UserDictionaries->setCurrentItem(added);
    vst_UserDictionaries->scrollToItem(added);
}

void TOptionsForm::DeleteDictionary() {
    for (int row = 0; row < vst_UserDictionaries->topLevelItemCount(); ++row) {
        if (!vst_UserDictionaries->topLevelItem(row)->isSelected())
            continue;
        fUserDictionaries.removeAt(row);
        delete vst_UserDictionaries->takeTopLevelItem(row);
        return;
    }
}

QIcon TOptionsForm::KindIcon(quint8 kind) {
    QColor fill(0x80, 0x80, 0x80);
    QString letter = QStringLiteral("?");
    switch (kind) {
    case TDUserDictionary::kindUnambiguous:
        fill = QColor(0x2E, 0x7D, 0x32);
        letter = QStringLiteral("1");
        break;
    case TDUserDictionary::kindAmbiguous:
        fill = QColor(0x15, 0x65, 0xC0);
        letter = QStringLiteral("2");
        break;
    case TDUserDictionary::kindContextRules:
        fill = QColor(0xB2, 0x4A, 0x00);
        letter = QStringLiteral("R");
        break;
    default:
        break;
    }
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(fill.darker(130));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3.5, 3.5);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, letter);
    p.end();
    return QIcon(pixmap);
}

bool TOptionsForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == vst_UserDictionaries && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (key->key() == Qt::Key_Delete) {
                DeleteDictionary();
                return true;
            }
            if (key->key() == Qt::Key_Insert) {
                AddDictionary();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TOptionsForm::AppendRow(const TDUserDictionary& dictionary) {
    fFilling = true;
    auto* item = new QTreeWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    const QIcon icon = KindIcon(dictionary.DictionaryKind);
    // A missing file's row is grey, its picture too.
    item->setIcon(0, dictionary.FileIsMissing ? QIcon(icon.pixmap(16, 16, QIcon::Disabled)) : icon);
    item->setCheckState(1, dictionary.Use ? Qt::Checked : Qt::Unchecked);
    QString tip = QDir::toNativeSeparators(dictionary.FullName);
    // Only a line feed: a carriage return after it shows as a blank in front of the second line.
    if (dictionary.FileIsMissing)
        tip += QLatin1Char('\n') + MissingFileNote();
    for (int column = 0; column < 2; ++column) {
        item->setToolTip(column, tip);
        if (dictionary.FileIsMissing)
            item->setForeground(column, kMissingFileColor);
    }
    item->setText(1, vst_UserDictionaries->fontMetrics().elidedText(
                         QDir::toNativeSeparators(dictionary.FullName), Qt::ElideMiddle,
                         NameWidth(vst_UserDictionaries->columnWidth(1))));
    vst_UserDictionaries->addTopLevelItem(item);
    fFilling = false;
}

void TOptionsForm::UpdateShownNames(int columnWidth) {
    fFilling = true;
    const QFontMetrics metrics = vst_UserDictionaries->fontMetrics();
    const int width = NameWidth(columnWidth);
    const int count = qMin(vst_UserDictionaries->topLevelItemCount(), int(fUserDictionaries.size()));
    for (int row = 0; row < count; ++row) {
        const QString name = QDir::toNativeSeparators(fUserDictionaries[row].FullName);
        vst_UserDictionaries->topLevelItem(row)->setText(1, metrics.elidedText(name, Qt::ElideMiddle, width));
    }
    fFilling = false;
}

int TOptionsForm::NameWidth(int columnWidth) const {
    // The style places the text after the check box; the text keeps a margin on either side. The
    // reserve is the least taken.
    QStyleOptionViewItem option;
    option.initFrom(vst_UserDictionaries);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.rect = QRect(0, 0, 1000, 20);
    QStyle* style = vst_UserDictionaries->style();
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &option, vst_UserDictionaries);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, vst_UserDictionaries) + 1;
    const int taken = text.isValid() ? text.left() - option.rect.left() + 2 * margin : 0;
    return qMax(0, columnWidth - qMax(kNameColumnReserve, taken));
}
