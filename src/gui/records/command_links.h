#pragma once

#include <QString>

class RecordEditor;

// Each connects commands of the editor's command bar to the flow they start, as the name search
// link does for its window; the editor knows none of these flows.

// Print and Print All: the form of the current record to the printer, and the forms of every
// original record, numbered first, in the preview; also the export of forms (linkFormExport).
void linkPrinting(RecordEditor& editor);
// Print Preview, for a menu command beside Print: the form of the current saved record in the
// preview window, from which the user prints it or saves it as a PDF file. Only while browsing
// saved records, as Print; otherwise it beeps.
void previewCurrentRecord(RecordEditor& editor);
// Export forms as PDF files (the editor's exportFormsRequested): one PDF file per record in a
// folder the user chooses, under a progress dialog that can be cancelled.
void linkFormExport(RecordEditor& editor);
// Tells the user in the editor's status line where a PDF file went, with its folder to open.
void reportSavedPdf(RecordEditor& editor, const QString& path, int pages);
// Save to Floppy: the records numbered, the submission built and its count compared with the
// numbered originals, then the save screen shown modeless.
void linkSaving(RecordEditor& editor);
// Check all records: the list of problems, and the way from a problem to its record and field.
void linkChecking(RecordEditor& editor);
// Import, Export and Export template: records from and to CSV files.
void linkTransfer(RecordEditor& editor);

// Checks every record and shows the list of problems.
void showReturnProblems(RecordEditor& editor);
// The check Save to Floppy runs after its confirmation, before anything is written: true when the
// save may go on. Errors stop it with the list; warnings are offered, and the save goes on when
// the user does not want to see them.
bool checkBeforeSave(RecordEditor& editor);
