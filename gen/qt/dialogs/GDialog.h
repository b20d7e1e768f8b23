#pragma once

// The base of the library's dialogs: one central panel filling the dialog edge
// to edge, and a virtual ini() that builds the content. GUI thread only.

#include <QDialog>

#include <cstdint>

namespace gen::qt {

enum GLAYOUT : std::uint32_t;
class GMainPanel;

class GDialog : public QDialog {
public:
    explicit GDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~GDialog() override;

    // A second call adds the new panel below the first one.
    GMainPanel* create_main_panel(GLAYOUT layout);

    // Sample content: four buttons and an "End" button that closes the dialog.
    virtual void ini();

protected:
    GMainPanel* mainPanel = nullptr;
};

} // namespace gen::qt
