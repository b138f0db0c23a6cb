#pragma once

#include <QDialog>

#include <memory>

class AppContext;
class TFrmInPut;
class TfrmTedit;
struct QuestionRecord;

// The feature windows the menu opens, created with the main window as owner.
// A factory returns nullptr while its window's feature is not part of the program yet.
namespace FeatureWindows {

std::unique_ptr<QDialog> chapterBrowser(AppContext& ctx, QWidget* owner); // TFrmkmmc
std::unique_ptr<QDialog> catalogue(AppContext& ctx, QWidget* owner);      // TfrmLawsFaGui
std::unique_ptr<QDialog> studyPlan(AppContext& ctx, QWidget* owner);      // TFrmplan
std::unique_ptr<QDialog> examSettings(AppContext& ctx, QWidget* owner);   // TFrmEset
std::unique_ptr<QDialog> studyLog(AppContext& ctx, QWidget* owner);       // TFrmRz
// TFrmConfig in the face SettingsMode chooses: 0 music, 1 the answer-time layout.
std::unique_ptr<QDialog> systemSettings(AppContext& ctx, QWidget* owner);
// Tfrmchart, printing on the system's printers and saving through the system's dialog.
std::unique_ptr<QDialog> chart(AppContext& ctx, QWidget* owner);
std::unique_ptr<QDialog> paperList(AppContext& ctx, QWidget* owner); // TFrmCheck
std::unique_ptr<QDialog> about(AppContext& ctx, QWidget* owner);     // TFrmAbout
std::unique_ptr<TFrmInPut> questionEntry(AppContext& ctx, QWidget* owner, const QString& caption,
                                         const QString& chapterCode);
std::unique_ptr<TfrmTedit> questionEditing(AppContext& ctx, QWidget* owner, QuestionRecord& question);

} // namespace FeatureWindows
