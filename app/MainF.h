#pragma once
// The program's window: split or merge mode, the source, folder and size boxes with their
// choosers, the progress bar and the three buttons.

#include "app/StandIns.h"
#include "platform/Form.h"

#include <QLabel>
#include <QLineEdit>

class QMimeData;

#include <array>
#include <functional>

namespace tirnel {

class RunReporter;
class ShellServices;

class MainF : public Form {
    Q_OBJECT
public:
    explicit MainF(ShellServices& shell, QWidget* parent = nullptr);

    // The controls, as the window's layout lists them.
    QWidget* const Picture1;
    OptionControl* const opDelFale;  // split mode
    OptionControl* const GetFile;    // merge mode
    QLabel* const Label6;
    QLabel* const Label5;
    QLabel* const Label2;
    QLineEdit* const txtPsd;  // source file or descriptor
    ButtonControl* const cmdFile;
    QLabel* const Label1;
    QLineEdit* const Text1;  // target folder
    ButtonControl* const cmdOpsee;
    QLabel* const Label3;
    QLineEdit* const Text2;  // piece size
    OptionControl* const Okbs;     // KB
    OptionControl* const Option3;  // MB
    ProgressBarControl* const uo1;
    ButtonControl* const Command2;  // split
    ButtonControl* const Command3;  // merge
    ButtonControl* const tQueries;  // exit

    // True while a split or merge is under way.
    bool Running() const { return mRunning; }

    // Starts with a path named on the command line: a descriptor in merge mode, any other
    // file in split mode, each filling the boxes as "..." does; a folder fills the folder box.
    void OpenWith(const QString& path);

    static constexpr int kClientWidthTwips = 4680;
    static constexpr int kClientHeightTwips = 2985;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A local file or folder dropped anywhere on the window is taken as opening it with the
    // program takes it (OpenWith); a drop of anything else named by a URL is refused with a
    // notice.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Form_Load();
    void opDelFale_Click();
    void GetFile_Click();
    void cmdFile_Click();
    void cmdOpsee_Click();
    void Command2_Click();
    void Command3_Click();
    void tQueries_Click();
    void Text2_KeyPress(int& keyAscii);
    void Text2_Paste(const QString& text);
    void Text2_Change();

    // The source box gets the path, the folder box its folder.
    void FillSource(const QString& path);
    // Whether a drag of this data is for the window: URLs, while no run is under way.
    bool TakesDrag(const QMimeData* data) const;
    // Takes the drop, or refuses it with a notice once the drop is over; true when taken.
    bool TakeDrop(const QMimeData* data);
    // The controls that would change a run's inputs; during a run they take no input.
    std::array<QWidget*, 9> InputControls() const;

    // Places every control, and makes the tab order follow the window from top to bottom
    // and left to right.
    void PlaceControls();
    void ConnectHandlers();
    // Runs one split or merge with the window as its reporter; ignored while one is running.
    // stopQuestion: asked when the window is closed during the run.
    void RunInWindow(const std::function<void(RunReporter&)>& run, const QString& stopQuestion);

    ShellServices& mShell;
    bool mLoaded = false;
    bool mRunning = false;
    bool mCloseRequested = false;  // the user chose to stop the run and close
    bool mAskingToStop = false;
    bool mCommitting = false;  // the run is putting its outputs in place
    QString mStopQuestion;
};

}  // namespace tirnel
