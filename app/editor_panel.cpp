#include "app/editor_panel.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>

namespace quarrion {
namespace {

struct EditPlace {
  const char* edit;
  const char* upDown;
  const char* label;  // nullptr for the generator edits
  int labelX, labelY;
  int x, y, width, height;
  int upDownX, upDownWidth;
  bool bold;
  bool horizontal;
  bool forwardsKeys;
};

// In the order of the model's panel fields.
constexpr EditPlace kEdits[kPanelFieldCount] = {
    {"Editor_Edit_CaveTime", "Editor_UpDown_CaveTime", "Editor_Label_CaveTime", 8, 476, 76, 474, 30, 17, 106, 33, true, true, true},
    {"Editor_Edit_MagicTime", "Editor_UpDown_MagicTime", "Editor_Label_MagicTime", 8, 494, 76, 492, 30, 17, 106, 32, false, true, true},
    {"Editor_Edit_AmoebaTime", "Editor_UpDown_AmoebaTime", "Editor_Label_AmoebaTime", 8, 512, 76, 510, 30, 17, 106, 32, false, true, true},
    {"Editor_Edit_Diamonds", "Editor_UpDown_Diamonds", "Editor_Label_Diamonds", 146, 476, 200, 474, 30, 17, 230, 32, false, true, true},
    {"Editor_Edit_Value", "Editor_UpDown_Value", "Editor_Label_Value", 146, 494, 200, 492, 30, 17, 230, 32, false, true, true},
    {"Editor_Edit_Bonus", "Editor_UpDown_Bonus", "Editor_Label_Bonus", 146, 512, 200, 510, 30, 17, 230, 32, false, true, true},
    {"RandElement0", "RandElement_UpDown0", nullptr, 0, 0, 564, 475, 30, 22, 594, 14, true, false, false},
    {"RandElement1", "RandElement_UpDown1", nullptr, 0, 0, 620, 475, 30, 22, 650, 14, false, false, false},
    {"RandElement2", "RandElement_UpDown2", nullptr, 0, 0, 664, 475, 30, 22, 694, 14, false, false, false},
    {"RandElement3", "RandElement_UpDown3", nullptr, 0, 0, 708, 475, 30, 22, 738, 14, false, false, false},
    {"RandElement4", "RandElement_UpDown4", nullptr, 0, 0, 752, 475, 30, 22, 782, 14, false, false, false},
};

constexpr int kEditorSurfaceBottom = 472;  // the panel starts below the drawing surface

// English captions; the window's language routine sets them again in the language in force.
constexpr const char* kLabelCaptions[6] = {"Cave Time", "Magic Time", "Amoeba Time", "Diamonds", "Value", "Bonus"};

QFont PanelFont(bool bold, int pixels = 11) {
  QFont font;
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// The panel font at its size when the text fits the room; otherwise narrowed, then smaller,
// until it does (a few German and Polish captions are far longer than the English ones).
QFont FittingFont(const QString& text, int room, int pixels) {
  QFont font = PanelFont(false, pixels);
  for (int size = pixels; size >= 7; --size) {
    for (int stretch = 100; stretch >= 60; stretch -= 5) {
      font.setPixelSize(size);
      font.setStretch(stretch);
      if (QFontMetrics(font).horizontalAdvance(text) <= room) return font;
    }
  }
  return font;
}

// A label on one line when a slightly narrowed font lets it fit; otherwise on two lines centred
// on its row ("Diamanten Zufall"), and only as a last resort narrowed and shrunk further.
void FitLabel(QLabel* label, int x, int y, int room) {
  const QString text = label->text();
  QFont font = PanelFont(false, 10);
  for (int stretch = 100; stretch >= 85; stretch -= 5) {
    font.setStretch(stretch);
    if (QFontMetrics(font).horizontalAdvance(text) > room) continue;
    label->setWordWrap(false);
    label->setFont(font);
    label->setGeometry(x, y, room, QFontMetrics(font).boundingRect(QRect(0, 0, room, 1000), 0, text).height());
    return;
  }
  font = PanelFont(false, 9);
  const QFontMetrics metrics(font);
  const QRect twoLines = metrics.boundingRect(QRect(0, 0, room, 1000), Qt::TextWordWrap, text);
  const int oneLine = metrics.boundingRect(QRect(0, 0, room, 1000), 0, text).height();
  if (text.contains(' ') && twoLines.width() <= room && twoLines.height() <= 2 * oneLine) {
    label->setWordWrap(true);
    label->setFont(font);
    const int height = twoLines.height();
    const int top = std::max(kEditorSurfaceBottom, y + metrics.height() / 2 - height / 2);
    label->setGeometry(x, top, room, height);
    return;
  }
  label->setWordWrap(false);
  label->setFont(FittingFont(text, room, 10));
  label->setGeometry(x, y, room, label->fontMetrics().boundingRect(QRect(0, 0, room, 1000), 0, text).height());
}

}  // namespace

UpDownButtons::UpDownButtons(QWidget* parent, bool horizontal, std::function<void(int)> onArrow)
    : QWidget(parent), horizontal_(horizontal), less_(new QToolButton(this)), more_(new QToolButton(this)) {
  less_->setArrowType(horizontal ? Qt::LeftArrow : Qt::DownArrow);
  more_->setArrowType(horizontal ? Qt::RightArrow : Qt::UpArrow);
  for (QToolButton* button : {less_, more_}) {
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);  // held down it keeps counting
  }
  connect(less_, &QToolButton::clicked, this, [onArrow] { onArrow(-1); });
  connect(more_, &QToolButton::clicked, this, [onArrow] { onArrow(+1); });
}

void UpDownButtons::resizeEvent(QResizeEvent*) {
  const int w = width(), h = height();
  if (horizontal_) {
    less_->setGeometry(0, 0, w / 2, h);
    more_->setGeometry(w / 2, 0, w - w / 2, h);
  } else {
    more_->setGeometry(0, 0, w, h / 2);
    less_->setGeometry(0, h / 2, w, h - h / 2);
  }
}

EditorPanelControls::EditorPanelControls(QWidget* parent, Callbacks callbacks)
    : callbacks_(std::move(callbacks)), parent_(parent) {
  for (int field = 0; field < kPanelFieldCount; ++field) {
    const EditPlace& place = kEdits[field];
    if (place.label != nullptr) {
      auto* label = new QLabel(QString::fromLatin1(kLabelCaptions[field]), parent);
      label->setObjectName(place.label);
      label->setFont(PanelFont(false, 10));
      label->move(place.labelX, place.labelY);
      label->adjustSize();
      controls_[place.label] = label;
    }
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(place.edit);
    edit->setFont(PanelFont(place.bold));
    edit->setGeometry(place.x, place.y, place.width, place.height);
    edit->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    edit->setTextMargins(0, 0, 0, 0);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [this, field, edit](const QString& text) {
      if (callbacks_.edited && !callbacks_.edited(field, text.toStdString())) {
        const int cursor = edit->cursorPosition() - 1;
        edit->setText(lastTexts_[std::size_t(field)]);
        edit->setCursorPosition(std::max(0, cursor));
        return;
      }
      lastTexts_[std::size_t(field)] = text;
    });
    edits_[std::size_t(field)] = edit;
    controls_[place.edit] = edit;
    if (place.forwardsKeys) keyForwarding_.push_back(edit);
    auto* upDown = new UpDownButtons(parent, place.horizontal, [this, field](int delta) {
      if (callbacks_.arrow) callbacks_.arrow(field, delta);
    });
    upDown->setObjectName(place.upDown);
    upDown->setGeometry(place.upDownX, place.y, place.upDownWidth, place.height);
    controls_[place.upDown] = upDown;
  }
  AddButton("Editor_Button_IncCave", 268, 474, 69, 25, true)->setText("Cave +");
  AddButton("Editor_Button_DecCave", 268, 502, 69, 25, true)->setText("Cave -");
  AddButton("Editor_Button_IncLevel", 400, 474, 69, 25, true)->setText("Level +");
  AddButton("Editor_Button_DecLevel", 400, 502, 69, 25, true)->setText("Level -");
  testCave_ = AddButton("Editor_Button_TestCave", 400, 445, 57, 23, true);
  testCave_->setText("Cave test");
  QPushButton* copy = AddButton("Editor_Button_Copy", 460, 445, 55, 23, false);
  copy->setText("Copy");
  copy->setToolTip("Cave copy");
  QPushButton* paste = AddButton("Editor_Button_Paste", 515, 445, 55, 23, false);
  paste->setText("Paste");
  paste->setToolTip("Cave paste");
  AddButton("Editor_Button_Random", 476, 474, 77, 25, true)->setText("Random");
  AddButton("Editor_Button_ClearCave", 476, 502, 77, 25, false)->setText("Clear cave");
  AddButton("Editor_Button_Advanced", 570, 502, 95, 25, true)->setText("Advanced");
  AddButton("Editor_Button_GenerateCave", 670, 502, 127, 25, false)->setText("Cave generator");

  caveLevel_ = new QLabel("A/1", parent);
  caveLevel_->setObjectName("Editor_Label_CaveLevel");
  caveLevel_->setFont(PanelFont(false, 32));
  caveLevel_->setAlignment(Qt::AlignCenter);
  caveLevel_->setGeometry(339, 472, 59, 40);
  controls_["Editor_Label_CaveLevel"] = caveLevel_;

  demo_ = new QRadioButton("Demo", parent);
  demo_->setObjectName("DRadio");
  demo_->setFont(PanelFont(false));
  demo_->setGeometry(346, 512, 53, 13);
  demo_->setAutoExclusive(false);
  controls_["DRadio"] = demo_;

  cursorLine_ = new QLabel(parent);
  cursorLine_->setObjectName("Editor_Label_Cursor");
  cursorLine_->setFont(PanelFont(false));
  cursorLine_->setGeometry(8, 530, kEditorClientWidth - 16, 14);
  controls_["Editor_Label_Cursor"] = cursorLine_;
  FitCaptions();
  SetActive(false);
}

QPushButton* EditorPanelControls::AddButton(const char* name, int x, int y, int w, int h, bool forwardsKeys) {
  auto* button = new QPushButton(parent_);
  button->setObjectName(name);
  button->setFont(PanelFont(false));
  button->setGeometry(x, y, w, h);
  button->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
  button->setAutoDefault(false);
  const std::string key = name;
  QObject::connect(button, &QPushButton::clicked, button, [this, key] {
    if (callbacks_.clicked) callbacks_.clicked(key);
  });
  controls_[name] = button;
  if (forwardsKeys) keyForwarding_.push_back(button);
  return button;
}

QWidget* EditorPanelControls::Control(const std::string& name) const {
  const auto found = controls_.find(name);
  return found == controls_.end() ? nullptr : found->second;
}

std::vector<QWidget*> EditorPanelControls::KeyForwarding() const { return keyForwarding_; }

bool EditorPanelControls::ForwardsKeys(const QObject* control) const {
  return std::find(keyForwarding_.begin(), keyForwarding_.end(), control) != keyForwarding_.end();
}

void EditorPanelControls::ShowTexts(const EditorPanel& panel) {
  for (int field = 0; field < kPanelFieldCount; ++field) {
    const QString text = QString::fromStdString(panel.texts[std::size_t(field)]);
    lastTexts_[std::size_t(field)] = text;
    QLineEdit* edit = edits_[std::size_t(field)];
    if (edit->text() != text) edit->setText(text);
  }
}

void EditorPanelControls::ShowCaveLevel(const CaveLevelLabel& label) {
  caveLevel_->setText(QString::fromStdString(label.text));
  QPalette palette = caveLevel_->palette();
  palette.setColor(QPalette::WindowText, label.red ? QColor(255, 0, 0) : QColor(0, 0, 255));
  caveLevel_->setPalette(palette);
  demo_->setChecked(label.demo);
  demo_->setEnabled(label.demo);
}

void EditorPanelControls::ShowCursorLine(const QString& text) {
  if (cursorLine_->text() != text) cursorLine_->setText(text);
}

void EditorPanelControls::FitCaptions() {
  for (int field = 0; field < kPanelFieldCount; ++field) {
    const EditPlace& place = kEdits[field];
    if (place.label == nullptr) continue;
    auto* label = static_cast<QLabel*>(controls_[place.label]);
    const int room = place.x - place.labelX - 2;  // up to the edit it names
    FitLabel(label, place.labelX, place.labelY, room);
  }
  for (const auto& [name, control] : controls_) {
    auto* button = qobject_cast<QPushButton*>(control);
    if (button == nullptr) continue;
    button->setFont(FittingFont(button->text(), button->width() - 8, 11));  // inside the button's frame
  }
}

void EditorPanelControls::SetActive(bool active) {
  for (const auto& [name, control] : controls_) {
    control->setVisible(active);
    // in the editor the indicator follows the cave's demo; outside it nothing may take input
    if (name != "DRadio" || !active) control->setEnabled(active);
  }
}

}  // namespace quarrion
