// SPDX-License-Identifier: MIT
#include "ResultPage.h"

#include "EnochianNumerology.h"
#include "FontsAndColours.h"
#include "Layout.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

namespace dicemere {

QString ReadingLine(const reading::Reading& r, std::size_t text) {
    const std::string& english = r.texts.at(text);
    const char* table = reading::kTextTables.at(text);
    if (table == nullptr || english.empty())
        return QString::fromStdString(english);
    return QCoreApplication::translate(table, english.c_str());
}

QString ReadingExplanation(const reading::Reading& r) {
    const QString dice = QString::fromStdString(r.dice);
    const QString working = QString::fromStdString(r.working);
    if (r.combinationMet)
        return ResultPage::tr("Dice %1: the combination %2 gives %3")
            .arg(dice, working, QString::number(r.number));
    return ResultPage::tr("Dice %1: total %2").arg(dice, working);
}

ResultPage::ResultPage(QWidget* parent) : PageFrame(parent) {
    setObjectName(QStringLiteral("ResultPage"));
    setFont(ProgramFont(9, true));
    SetColours(colours::kPaleYellow, colours::kDarkGreen);

    struct Line {
        int heading;
        const char* caption;
        int headingLeft, headingTop;
        int valueLeft, valueTop, valueWidth, valueHeight;
    };
    // The lines top to bottom. The headings' indexes do not follow the lines;
    // the value labels do.
    static constexpr std::array<Line, 8> kLines{{
        {1, QT_TR_NOOP("Enochian Number"), 180, 240, 2280, 232, 990, 210},
        {2, QT_TR_NOOP("Enochian Number Description"), 180, 528, 180, 810, 8550, 915},
        {4, QT_TR_NOOP("Interpretation"), 180, 1704, 180, 1992, 8550, 600},
        {5, QT_TR_NOOP("Stone"), 180, 2685, 2280, 2685, 1890, 195},
        {3, QT_TR_NOOP("Totem"), 180, 2973, 2280, 2970, 2850, 195},
        {6, QT_TR_NOOP("Herb"), 180, 3261, 2280, 3255, 1485, 195},
        {7, QT_TR_NOOP("Essential Oil"), 180, 3549, 2280, 3555, 1050, 195},
        {8, QT_TR_NOOP("Flower Remedy"), 180, 3840, 2280, 3840, 2340, 195},
    }};
    const QFont headingFont = ProgramFont(8.25, true);
    for (std::size_t line = 0; line < kLines.size(); ++line) {
        const Line& l = kLines[line];
        QLabel* heading = MakeLabel(QStringLiteral("lblLabel(%1)").arg(l.heading), this,
                                    tr(l.caption), headingFont, colours::kGreen);
        heading->move(Twips(l.headingLeft), Twips(l.headingTop));
        FitToText(heading);
        headings_[line] = heading;

        QLabel* value =
            MakeLabel(QStringLiteral("lblResult(%1)").arg(line), this, QString(),
                      line == 0 ? ProgramFont(9, true) : ProgramFont(), colours::kPaleGreen);
        PlaceTwips(value, l.valueLeft, l.valueTop, l.valueWidth, l.valueHeight);
        if (line == 1 || line == 2) {
            value->setWordWrap(true);
            value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
        lblResult_[line] = value;
    }

    // The whole reading can be copied: Ctrl+C or the page's context menu.
    mnuCopyReading_ = new QAction(tr("Copy Reading"), this);
    mnuCopyReading_->setObjectName(QStringLiteral("mnuCopyReading"));
    mnuCopyReading_->setShortcut(QKeySequence::Copy);
    mnuCopyReading_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(mnuCopyReading_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(mnuCopyReading_, &QAction::triggered, this, &ResultPage::mnuCopyReading_Click);

    cmdBack_ = new QPushButton(tr("&Back"), this);
    cmdBack_->setObjectName(QStringLiteral("cmdBack"));
    PlaceTwips(cmdBack_, 7680, 3720, 1000, 400);
    cmdBack_->setAutoDefault(true);
    connect(cmdBack_, &QPushButton::clicked, this, &ResultPage::cmdBack_Click);
}

QWidget* ResultPage::FocusControl() const { return cmdBack_; }

void ResultPage::ShowEnochianReading(const std::vector<qint16>& diceValues) {
    const reading::Reading r = reading::SelectReading(diceValues);
    for (std::size_t i = 0; i < lblResult_.size(); ++i) {
        QLabel* value = lblResult_[i];
        value->setText(ReadingLine(r, i));
        if (!value->wordWrap()) // one-line labels follow their text
            FitToText(value);
    }
    const QString explanation = ReadingExplanation(r);
    lblResult_[0]->setToolTip(explanation);
    lblResult_[0]->setAccessibleDescription(explanation);
    // The focus lands on Back when the page appears: a screen reader reads
    // the whole reading after the button's name, and again each time the
    // focus comes back to it.
    cmdBack_->setAccessibleDescription(ReadingText());
}

QString ResultPage::ReadingText() const {
    QString text;
    for (std::size_t line = 0; line < lblResult_.size(); ++line)
        text += headings_[line]->text() + QStringLiteral(": ") + lblResult_[line]->text() +
                QLatin1Char('\n');
    return text;
}

void ResultPage::mnuCopyReading_Click() const {
    QGuiApplication::clipboard()->setText(ReadingText());
}

void ResultPage::cmdBack_Click() { Q_EMIT back(); }

} // namespace dicemere
