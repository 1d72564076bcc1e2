#pragma once

#include "ColorChooser.h"
#include "DocumentOpener.h"
#include "Drives.h"
#include "FileChooser.h"
#include "FileCopier.h"
#include "MailSender.h"
#include "MessageBoxes.h"
#include "ModalRunner.h"
#include "Printers.h"

// What the program needs from the desktop. The program runs with QtPlatform; tests hand in
// scripted stand-ins so that nothing waits for a person.
class Platform {
public:
    virtual ~Platform() = default;
    virtual MessageBoxes& messages() = 0;
    virtual ModalRunner& modal() = 0;
    virtual ColorChooser& colors() = 0;
    virtual DocumentOpener& documents() = 0;
    virtual Drives& drives() = 0;
    virtual FileCopier& files() = 0;
    virtual MailSender& mail() = 0;
    virtual Printers& printers() = 0;
    virtual FileChooser& fileChoosers() = 0;
    // Ends the whole program at once with the given exit code.
    virtual void endProcess(int code) = 0;
};

class QtPlatform final : public Platform {
public:
    MessageBoxes& messages() override { return m_messages; }
    ModalRunner& modal() override { return m_modal; }
    ColorChooser& colors() override { return m_colors; }
    DocumentOpener& documents() override { return m_documents; }
    Drives& drives() override { return m_drives; }
    FileCopier& files() override { return m_files; }
    MailSender& mail() override { return m_mail; }
    Printers& printers() override { return m_printers; }
    FileChooser& fileChoosers() override { return m_fileChoosers; }
    void endProcess(int code) override;

private:
    QtMessageBoxes m_messages;
    QtModalRunner m_modal;
    QtColorChooser m_colors;
    QtDocumentOpener m_documents;
    QtDrives m_drives;
    QtFileCopier m_files;
    CurlMailSender m_mail{BuildTimeRelay()};
    QtPrinters m_printers;
    QtFileChooser m_fileChoosers;
};
