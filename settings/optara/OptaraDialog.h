// The Optara dialog, "Morvane 2 - Optara": five key configurations of six keys, the
// default frame rate and colour depth, the target build and the volume sliders.
#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "settings/optara/Messenger.h"
#include "settings/optara/OptaraModel.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;

namespace tarn::optara {

class KeyBox;

class OptaraDialog : public QDialog {
    Q_OBJECT

  public:
    // The model must have been opened.
    OptaraDialog(OptaraModel& model, Messenger& messenger, QWidget* parent = nullptr);
    ~OptaraDialog() override;

    KeyBox* Box(int slot) const { return boxes_[static_cast<std::size_t>(slot)]; }

  private:
    // Building the controls (OptaraDialogControls.cpp).
    void BuildControls();
    QWidget* BuildKeyColumn();
    QWidget* BuildSettingsColumn();

    void ShowConfig(int configNo);
    void ShowTarget();
    void ShowProblems();
    void OnKeyPressed(int slot, std::optional<int> code);
    void OnKeyReleased(int slot);
    void OnFocusLost(int slot);
    void OnTargetChosen(SettingsBuild build, bool chosen);
    void OnOk();
    bool ConfirmProblems(SettingsBuild target, bool withOther);
    void ShowFailure(SettingsStatus status, const std::filesystem::path& file);

    OptaraModel& model_;
    Messenger& messenger_;
    QListWidget* list_ = nullptr;
    std::array<KeyBox*, kSlotCount> boxes_{};
    QLabel* problemLine_ = nullptr;
    QLabel* targetFile_ = nullptr;
    QComboBox* frameRate_ = nullptr;
    QComboBox* color_ = nullptr;
    QRadioButton* normal_ = nullptr;
    QRadioButton* lowSpec_ = nullptr;
    QSlider* bgm_ = nullptr;
    QSlider* se_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    // Set when a key was taken in the last box: its release moves the focus to OK.
    bool leaveLastBoxOnRelease_ = false;
};

}  // namespace tarn::optara
