#pragma once

#include "ui/pages/ProgrammingView.h"
#include "ui/pages/UserPage.h"

#include "ShellHarness.h"

#include <QColor>
#include <QCoreApplication>
#include <QTabWidget>

#include <memory>

namespace quelta::test {

inline const QColor kRed(255, 0, 0);

// The programming view over a shell with its fields bound and cleared, as the window has it.
struct Pages
{
    ShellHarness harness;
    Shell &shell = harness.create();
    std::unique_ptr<ui::ProgrammingView> view;

    Pages()
    {
        if (!shell.loadDictionaries())
            qFatal("the dictionaries did not load");
        view = std::make_unique<ui::ProgrammingView>(shell.programming(), harness.prompter);
        shell.Esborra_Camps();
        view->resize(1200, 720);
    }

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        return view->findChild<T *>(name);
    }
    QTabWidget *tabs() const { return find<QTabWidget>(QStringLiteral("PCProgramacio")); }
    ui::UserPage *userPage() const { return find<ui::UserPage>(QStringLiteral("PUsuari")); }

    void setDevice(bool answering) { shell.device().link().circuit = answering; }

    // The page (and section) that holds a control, on screen and laid out.
    void bringForward(ProgPage page, Section section = Section::None)
    {
        if (page > ProgPage::Usuari)
            shell.programming().model().setVisiblePanelPage(page);
        view->show();
        tabs()->setCurrentIndex(static_cast<int>(page));
        if (section != Section::None)
            userPage()->showSection(section);
        QCoreApplication::processEvents();
    }
};

} // namespace quelta::test
