#pragma once

#include <QDialog>

#include <cstdint>

namespace gen::qt {

enum GLAYOUT : std::uint32_t;
class GMainPanel;

/// The base of the library's dialogs: one central panel filling the dialog edge
/// to edge, and a virtual ini() that builds the content. GUI thread only.
class GDialog : public QDialog {
public:
    /// An empty dialog; the content comes from ini().
    explicit GDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~GDialog() override;

    /// A second call adds the new panel below the first one. The dialog owns the panel.
    GMainPanel* create_main_panel(GLAYOUT layout);

    /// Sample content: four buttons and an "End" button that closes the dialog.
    virtual void ini();

protected:
    /// The panel create_main_panel() made last.
    GMainPanel* mainPanel = nullptr;
};

} // namespace gen::qt
