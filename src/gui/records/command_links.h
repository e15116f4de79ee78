#pragma once

class RecordEditor;

// Each connects commands of the editor's command bar to the flow they start, as the name search
// link does for its window; the editor knows none of these flows.

// Print and Print All: the form of the current record to the printer, and the forms of every
// original record, numbered first, in the preview.
void linkPrinting(RecordEditor& editor);
// Save to Floppy: the records numbered, the submission built and its count compared with the
// numbered originals, then the save screen shown modeless.
void linkSaving(RecordEditor& editor);
// Check all records: the list of problems, and the way from a problem to its record and field.
void linkChecking(RecordEditor& editor);
// Import, Export and Export template: records from and to CSV files.
void linkTransfer(RecordEditor& editor);

// Checks every record and shows the list of problems.
void showReturnProblems(RecordEditor& editor);
