#include "frmExit.h"

#include "AppInfo.h"
#include "LinkLabel.h"
#include "Look.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>
#include <functional>

namespace dicemere {

namespace {

constexpr std::array<const char*, 4> kPromotions{
    "Visit www.example.com often. Every visit to our mystic discussion forum helps us keep free "
    "programs like Dicemere alive and up to date.",
    "Please drop in at the www.example.com discussion forum regularly. Your visits are what keep "
    "programs like this one maintained and free.",
    "Like Dicemere? Come and talk with other seekers at www.example.com every week: the forum's "
    "visitors are what pay for programs like this one.",
    "Make www.example.com a regular stop. Each visit to our forum supports the upkeep of "
    "Dicemere and our other free programs.",
};

bool HasSpace(const QString& text) { return text.contains(QLatin1Char(' ')); }

} // namespace

// An e-mail box refuses a space however it would come in: typed, pasted,
// dropped or composed. Text set by the program itself is not checked.
class EmailBox final : public QLineEdit {
public:
    EmailBox(const QString& text, QWidget* parent, std::function<void()> refused)
        : QLineEdit(text, parent), refused_(std::move(refused)) {}

    void PasteChecked() {
        if (HasSpace(QGuiApplication::clipboard()->text()))
            refused_();
        else
            paste();
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->text() == QLatin1String(" ")) {
            event->accept(); // the key is discarded
            refused_();
            return;
        }
        if (event->matches(QKeySequence::Paste)) {
            event->accept();
            PasteChecked();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

    void dropEvent(QDropEvent* event) override {
        if (event->mimeData() && HasSpace(event->mimeData()->text())) {
            event->ignore();
            refused_();
            return;
        }
        QLineEdit::dropEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        // The middle button pastes the selection on X11.
        if (event->button() == Qt::MiddleButton &&
            HasSpace(QGuiApplication::clipboard()->text(QClipboard::Selection))) {
            event->accept();
            refused_();
            return;
        }
        QLineEdit::mouseReleaseEvent(event);
    }

    void inputMethodEvent(QInputMethodEvent* event) override {
        if (HasSpace(event->commitString())) {
            event->accept();
            refused_();
            return;
        }
        QLineEdit::inputMethodEvent(event);
    }

    void contextMenuEvent(QContextMenuEvent* event) override {
        QMenu* menu = createStandardContextMenu();
        if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
            paste->disconnect();
            connect(paste, &QAction::triggered, this, &EmailBox::PasteChecked);
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(event->globalPos());
    }

private:
    std::function<void()> refused_;
};

namespace {

QLineEdit* MakeBox(QWidget* parent, const char* name, const char* placeholder,
                   std::function<void()> spaceRefused = {}) {
    const QString text = QString::fromLatin1(placeholder);
    QLineEdit* box = spaceRefused ? new EmailBox(text, parent, std::move(spaceRefused))
                                  : new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(QString::fromLatin1(placeholder));
    return box;
}

} // namespace

QString ExitPromotion(int k) {
    return QString::fromLatin1(kPromotions.at(static_cast<std::size_t>(k)));
}

int ExitPromotionIndex(float r) { return static_cast<int>(4.0 * static_cast<double>(r)); }

frmExit::frmExit(const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint),
      services_(services) {
    setObjectName(QStringLiteral("frmExit"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setWindowIcon(ProgramIcon());
    setFont(ProgramFont());
    setFixedSize(Twips(11115), Twips(4725));
    Paint(this, Qt::black, Qt::white);

    auto* picture1 = new IconPicture(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    PlaceTwips(picture1, 360, 120, 480, 480);

    auto* label1 = new QLabel(QString::fromLatin1(kWindowCaption), this);
    label1->setObjectName(QStringLiteral("Label1"));
    QFont title = ProgramFont(18);
    title.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
    label1->setFont(title);
    PlaceTwips(label1, 1080, 240, 4935, 435);

    Label2_ = new QLabel(ExitPromotion(1), this);
    Label2_->setObjectName(QStringLiteral("Label2"));
    Label2_->setFont(ProgramFont(9.75, true));
    Label2_->setWordWrap(true);
    Label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(Label2_, 120, 840, 6975, 1095);

    Check1_ = new QCheckBox(QStringLiteral("Click Here To Visit ") +
                                QString::fromLatin1(sites::kMakerHost) + QStringLiteral(" Now"),
                            this);
    Check1_->setObjectName(QStringLiteral("Check1"));
    Check1_->setFont(ProgramFont(14.25));
    Check1_->setCursor(Qt::PointingHandCursor);
    PlaceTwips(Check1_, 30, 2040, 7185, 555);
    connect(Check1_, &QCheckBox::clicked, this, &frmExit::Check1_Click);

    cmdClose_ = new QPushButton(QStringLiteral("E&xit"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    PlaceTwips(cmdClose_, 6000, 2760, 1245, 375);
    cmdClose_->setAutoDefault(true);
    connect(cmdClose_, &QPushButton::clicked, this, &frmExit::cmdClose_Click);

    Frame2_ = new QGroupBox(QStringLiteral("Refer A Friend"), this);
    Frame2_->setObjectName(QStringLiteral("Frame2"));
    Frame2_->setFont(ProgramFont(9.75, true));
    PlaceTwips(Frame2_, 120, 3240, 7065, 1455);

    txtName_ = MakeBox(Frame2_, "txtName", placeholders::kName);
    PlaceTwips(txtName_, 85, 360, 3375, 285);
    txtEmail_ =
        MakeBox(Frame2_, "txtEmail", placeholders::kEmail, [this] { txtEmail_SpaceRefused(); });
    PlaceTwips(txtEmail_, 3600, 360, 3375, 285);
    txtFriendName_ = MakeBox(Frame2_, "txtFriendName", placeholders::kFriendName);
    PlaceTwips(txtFriendName_, 85, 720, 3375, 285);
    txtFriendEmail_ = MakeBox(Frame2_, "txtFriendEmail", placeholders::kFriendEmail,
                              [this] { txtFriendEmail_SpaceRefused(); });
    PlaceTwips(txtFriendEmail_, 3600, 720, 3375, 285);
    for (QLineEdit* box : {txtName_, txtEmail_, txtFriendName_, txtFriendEmail_}) {
        box->setFont(ProgramFont());
        box->installEventFilter(this);
    }

    cmdSubmit_ = new QPushButton(QStringLiteral("Refer A Friend &Now"), Frame2_);
    cmdSubmit_->setObjectName(QStringLiteral("cmdSubmit"));
    cmdSubmit_->setFont(ProgramFont());
    PlaceTwips(cmdSubmit_, 1920, 1080, 3375, 285);
    cmdSubmit_->setAutoDefault(true);
    connect(cmdSubmit_, &QPushButton::clicked, this, &frmExit::cmdSubmit_Click);

    // Below the visible part of its frame, as laid out; it takes no focus,
    // so nothing can be typed into it unseen.
    txtMessage_ = new QPlainTextEdit(QStringLiteral("Your Message\r\n"), Frame2_);
    txtMessage_->setObjectName(QStringLiteral("txtMessage"));
    txtMessage_->setAccessibleName(QString::fromLatin1(placeholders::kMessage));
    txtMessage_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage_->setFocusPolicy(Qt::NoFocus);
    txtMessage_->setFont(ProgramFont());
    PlaceTwips(txtMessage_, 4800, 3600, 1815, 495);

    auto* frame6 = new QGroupBox(QStringLiteral("More Programs From Example"), this);
    frame6->setObjectName(QStringLiteral("Frame6"));
    frame6->setFont(ProgramFont(9.75, true));
    PlaceTwips(frame6, 7320, 120, 3735, 4575);

    auto* label3 = new QLabel(
        QStringLiteral("Enjoyed Dicemere? The makers of www.example.com publish a whole range of "
                       "small, friendly programs for astrology, tarot, numerology and everyday "
                       "divination, and every one of them is free to try. Follow the link below "
                       "to browse the Example Apps catalogue and find your next favourite."),
        frame6);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setFont(ProgramFont(9));
    label3->setWordWrap(true);
    label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(label3, 120, 360, 3495, 3855);

    lblGoToHome_ = new LinkLabel(QStringLiteral("Click Here To Visit Example Apps"), frame6);
    lblGoToHome_->setObjectName(QStringLiteral("lblGoToHome"));
    lblGoToHome_->setFont(ProgramFont(9, true, true));
    Paint(lblGoToHome_, QColor(0, 0, 192));
    PlaceTwips(lblGoToHome_, 75, 4250, 3585, 210);
    connect(lblGoToHome_, &LinkLabel::clicked, this, &frmExit::lblGoToHome_Click);

    setTabOrder(Check1_, cmdClose_);
    setTabOrder(cmdClose_, txtName_);
    setTabOrder(txtName_, txtEmail_);
    setTabOrder(txtEmail_, txtFriendName_);
    setTabOrder(txtFriendName_, txtFriendEmail_);
    setTabOrder(txtFriendEmail_, cmdSubmit_);
    setTabOrder(cmdSubmit_, lblGoToHome_);

    Form_Load();
}

void frmExit::Form_Load() {
    services_.random.SeedFromClock();
    Label2_->setText(ExitPromotion(ExitPromotionIndex(services_.random.DrawUniform())));
    // Kept above all other windows: Qt::WindowStaysOnTopHint, set with the flags.
}

Referral frmExit::FormTexts() const {
    // The message box's line breaks are carried as CR LF.
    QString message = txtMessage_->toPlainText();
    message.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return {txtName_->text(), txtEmail_->text(), message, txtFriendName_->text(),
            txtFriendEmail_->text()};
}

void frmExit::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    CentreOnScreen(this);
}

void frmExit::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void frmExit::Form_Unload() { services_.end.CloseAllAndEnd(); }

void frmExit::cmdClose_Click() { services_.end.CloseAllAndEnd(); }

void frmExit::cmdSubmit_Click() {
    const Referral trimmed = modTellAFriend::Trimmed(FormTexts());
    const QString problem = modTellAFriend::CheckAddresses(trimmed);
    if (!problem.isEmpty()) {
        services_.boxes.Show(this, MsgIcon::Error, MsgButtons::Ok, problem);
        return;
    }
    modTellAFriend::SendTellAFriend(trimmed, services_.boxes, services_.help, this);
}

void frmExit::Check1_Click(bool ticked) {
    if (!ticked)
        return;
    Check1_->setChecked(false);
    services_.help.OpenHomePage();
}

void frmExit::lblGoToHome_Click() { services_.help.OpenCataloguePage(); }

void frmExit::RefuseSpace(QLineEdit* box) {
    services_.boxes.Show(this, MsgIcon::Error, MsgButtons::Ok, QString::fromLatin1(kSpaceInEmail));
    box->setFocus(Qt::OtherFocusReason);
}

void frmExit::txtEmail_SpaceRefused() { RefuseSpace(txtEmail_); }
void frmExit::txtFriendEmail_SpaceRefused() { RefuseSpace(txtFriendEmail_); }

void frmExit::ClearPlaceholder(QLineEdit* box, const char* placeholder) {
    if (modTellAFriend::TrimSpaces(box->text()) == QString::fromLatin1(placeholder))
        box->clear();
}

void frmExit::RestorePlaceholder(QLineEdit* box, const char* placeholder) {
    if (modTellAFriend::TrimSpaces(box->text()).isEmpty())
        box->setText(QString::fromLatin1(placeholder));
}

void frmExit::txtName_GotFocus() { ClearPlaceholder(txtName_, placeholders::kName); }
void frmExit::txtName_LostFocus() { RestorePlaceholder(txtName_, placeholders::kName); }
void frmExit::txtEmail_GotFocus() { ClearPlaceholder(txtEmail_, placeholders::kEmail); }
void frmExit::txtEmail_LostFocus() { RestorePlaceholder(txtEmail_, placeholders::kEmail); }
void frmExit::txtFriendName_GotFocus() {
    ClearPlaceholder(txtFriendName_, placeholders::kFriendName);
}
void frmExit::txtFriendName_LostFocus() {
    RestorePlaceholder(txtFriendName_, placeholders::kFriendName);
}
void frmExit::txtFriendEmail_GotFocus() {
    ClearPlaceholder(txtFriendEmail_, placeholders::kFriendEmail);
}
void frmExit::txtFriendEmail_LostFocus() {
    RestorePlaceholder(txtFriendEmail_, placeholders::kFriendEmail);
}

bool frmExit::eventFilter(QObject* watched, QEvent* event) {
    const bool in = event->type() == QEvent::FocusIn;
    const bool out = event->type() == QEvent::FocusOut;
    if (!in && !out)
        return QWidget::eventFilter(watched, event);
    if (watched == txtName_)
        in ? txtName_GotFocus() : txtName_LostFocus();
    else if (watched == txtEmail_)
        in ? txtEmail_GotFocus() : txtEmail_LostFocus();
    else if (watched == txtFriendName_)
        in ? txtFriendName_GotFocus() : txtFriendName_LostFocus();
    else if (watched == txtFriendEmail_)
        in ? txtFriendEmail_GotFocus() : txtFriendEmail_LostFocus();
    return QWidget::eventFilter(watched, event);
}

} // namespace dicemere
