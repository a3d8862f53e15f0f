#pragma once

#include "data/CADODataBase.h"
#include "platform/CRegistryKey.h"

#include <memory>

class CMainFrame;

// The object that lives for the whole run: it owns the database session, the settings key and the
// main window, brings the program up in a fixed order and takes it down again. One exists at a
// time; the program makes it after the QApplication. While it lives its settings key is the
// program's (AppSettings) and its session the program's (AppDatabase).
class CHomeApp final
{
public:
    CHomeApp();
    ~CHomeApp();
    Q_DISABLE_COPY_MOVE(CHomeApp)

    // Opens the database, makes and shows the main window, greets and selects the last home or asks
    // the first-run questions. False when the program must end at once (status 1); no window
    // exists then.
    bool InitInstance();
    // Destroys the main window (which saves its placement), releases the device link and closes the
    // database.
    void ExitInstance();

    CADODataBase& GetDatabase() { return m_database; }
    // HKEY_CURRENT_USER\Software\Bright Water\Hearthstead once InitInstance opened it.
    CRegistryKey& GetSettings() { return m_settings; }
    CMainFrame* GetMainFrame() const { return m_mainFrame.get(); }

private:
    void OpenSettings();
    void PlaceMainWindow();
    void WriteVersionValues();
    void Greet();
    void SelectLastHome();
    void AskFirstRunQuestions();

    CRegistryKey m_settings;
    CRegistryKey* m_previousSettings;
    CADODataBase m_database;
    CADODataBase* m_previousDatabase;
    std::unique_ptr<CMainFrame> m_mainFrame;
    bool m_deviceLinkUp = false;
};
