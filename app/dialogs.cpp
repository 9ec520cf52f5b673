#include "app/dialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "app/texts.h"
#include "core/game_state.h"

namespace quarrion {
namespace {

QString Qs(const std::string& text) { return QString::fromStdString(text); }
QString Qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

constexpr int kSlowest = 16;
constexpr int kFormPosition = 14;

}  // namespace

TGameSpeedForm::TGameSpeedForm(QWidget* parent, int speed, std::function<void(int)> onChange)
    : QDialog(parent), onChange_(std::move(onChange)) {
  setObjectName("TGameSpeedForm");
  TrackBar_Speed = new QSlider(Qt::Horizontal, this);
  TrackBar_Speed->setObjectName("TrackBar_Speed");
  TrackBar_Speed->setRange(0, kSlowest);
  TrackBar_Speed->setPageStep(1);
  TrackBar_Speed->setTickPosition(QSlider::TicksBelow);
  TrackBar_Speed->setTickInterval(1);
  TrackBar_Speed->setValue(kFormPosition);
  Label_Fast = new QLabel(this);
  Label_Slow = new QLabel(this);
  auto* ok = new QPushButton(Qs(kOkButton), this);
  auto* labels = new QHBoxLayout;
  labels->addWidget(Label_Fast);
  labels->addStretch();
  labels->addWidget(Label_Slow);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(TrackBar_Speed);
  layout->addLayout(labels);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  setFixedWidth(300);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  // the slider is set before the handler is attached; a clamped configured speed is reported below
  const int position = std::clamp(speed, 0, kSlowest);
  TrackBar_Speed->setValue(position);
  connect(TrackBar_Speed, &QSlider::valueChanged, this, [this](int value) { onChange_(value); });
  if (position != kFormPosition || position != speed) onChange_(position);
}

void TGameSpeedForm::ShowFor(int language) {
  setWindowTitle(Qs(Text(kTextGameSpeed, language)));
  Label_Fast->setText(Qs(Text(kTextFast, language)));
  Label_Slow->setText(Qs(Text(kTextSlow, language)));
  exec();
}

int TGameSpeedForm::Position() const { return TrackBar_Speed->value(); }

THelpForm::THelpForm(QWidget* parent) : QDialog(parent) {
  setObjectName("THelpForm");
  Label_ProgramName = new QLabel(this);
  QFont bold = Label_ProgramName->font();
  bold.setBold(true);
  bold.setPointSize(bold.pointSize() + 4);
  Label_ProgramName->setFont(bold);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label_ProgramName, 0, Qt::AlignHCenter);
  for (QLabel*& label : aboutLabels_) {
    label = new QLabel(this);
    layout->addWidget(label, 0, Qt::AlignHCenter);
  }
  memo_ = new QPlainTextEdit(this);
  memo_->setReadOnly(true);
  memo_->setStyleSheet("background: white; color: black;");
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont mono("Monospace");
  mono.setStyleHint(QFont::TypeWriter);
  memo_->setFont(mono);
  layout->addWidget(memo_, 1);
  auto* ok = new QPushButton(Qs(kOkButton), this);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  resize(640, 480);
}

bool THelpForm::ShowFor(int language) {
  static constexpr int kAboutEntries[7] = {18, 19, 20, 53, 82, 83, 86};
  setWindowTitle(Qs(Text(kTextHelp, language)));
  Label_ProgramName->setText(Qs(Text(kTextProgramName, language)));
  for (int i = 0; i < 7; ++i) aboutLabels_[i]->setText(Qs(Text(kAboutEntries[i], language)));
  memo_->setPlainText(Qs(HelpText(language)));
  return exec() == QDialog::Accepted;
}

}  // namespace quarrion

namespace quarrion {
namespace {

struct AdvancedField {
  const char* name;
  int property;
  int textEntry;
  int minimum;
  int maximum;
};
constexpr AdvancedField kAdvancedFields[6] = {
    {"Edit_AmoebaMax", 6, 33, 100, 255}, {"Edit_AmoebaSlow", 7, 34, 1, 255}, {"Edit_AmoebaFast", 8, 35, 1, 255},
    {"Edit_Slime", 9, 36, 1, 255},       {"Edit_InBox", 10, 37, 1, 40},     {"Edit_Boulder", 11, 38, 1, 8},
};

}  // namespace

TAdvancedOptionsForm::TAdvancedOptionsForm(QWidget* parent, GameState& game, const uint8_t& language)
    : QDialog(parent), game_(game), language_(language) {
  setObjectName("TAdvancedOptionsForm");
  auto* grid = new QGridLayout(this);
  for (int i = 0; i < 6; ++i) {
    labels_[i] = new QLabel(this);
    fields_[i] = new QSpinBox(this);
    fields_[i]->setObjectName(kAdvancedFields[i].name);
    fields_[i]->setRange(kAdvancedFields[i].minimum, kAdvancedFields[i].maximum);
    // the text is the program's to set: only the arrows change it
    fields_[i]->findChild<QLineEdit*>()->setReadOnly(true);
    connect(fields_[i], &QSpinBox::valueChanged, this, [this] { game_.caveSet.cavesModified = 1; });
    grid->addWidget(labels_[i], i, 0);
    grid->addWidget(fields_[i], i, 1);
  }
  auto* ok = new QPushButton(Qs(kOkButton), this);
  grid->addWidget(ok, 6, 0, 1, 2, Qt::AlignHCenter);
  connect(ok, &QPushButton::clicked, this, [this] {
    Store();
    accept();
  });
}

bool TAdvancedOptionsForm::event(QEvent* e) {
  // every activation shows the stored values again, dropping arrows not confirmed with OK
  if (e->type() == QEvent::WindowActivate || e->type() == QEvent::Show) LoadFields();
  return QDialog::event(e);
}

void TAdvancedOptionsForm::LoadFields() {
  setWindowTitle(Qs(Text(kTextAdvanced, language_)));
  const uint8_t modified = game_.caveSet.cavesModified;
  for (int i = 0; i < 6; ++i) {
    labels_[i]->setText(Qs(Text(kAdvancedFields[i].textEntry, language_)));
    QSignalBlocker quiet(fields_[i]);
    // a stored byte outside the arrows' range is still shown as it is
    fields_[i]->setRange(std::min<int>(kAdvancedFields[i].minimum,
                                       game_.caves.PropertyAt(game_.play.caveNo, game_.play.levelNo,
                                                              kAdvancedFields[i].property)),
                         std::max<int>(kAdvancedFields[i].maximum,
                                       game_.caves.PropertyAt(game_.play.caveNo, game_.play.levelNo,
                                                              kAdvancedFields[i].property)));
    fields_[i]->setValue(game_.caves.PropertyAt(game_.play.caveNo, game_.play.levelNo, kAdvancedFields[i].property));
  }
  game_.caveSet.cavesModified = modified;
}

void TAdvancedOptionsForm::Store() {
  for (int i = 0; i < 6; ++i) {
    game_.caves.PropertyAt(game_.play.caveNo, game_.play.levelNo, kAdvancedFields[i].property) =
        uint8_t(fields_[i]->value());
  }
}

}  // namespace quarrion
