#pragma once

#include <QString>

// What became of one entry of an export.
enum class TEntryState
{
    esWritten,       // written; no check was asked for
    esVerified,      // written and read back to what it should read
    esNotVerifiable, // written; the decoder cannot read it
    esUnconfirmed,   // written; the symbology is read, but no reader read this file
    esFailed,        // not written, or written and set aside because it did not read back
    esNotWritten,    // its file could not be written: the folder or the disk is at fault
    esKept           // its file was there already, from an earlier run: left as it was
};

// What a label of a sheet had to give to fit.
struct TLabelFitting
{
    bool TextShrunk = false;
    bool TextCut = false; // cut with an ellipsis, or a line left out
    bool ModuleBelowMinimum = false;
};

struct TEntryOutcome
{
    TEntryState State = TEntryState::esWritten;
    // Why the entry failed, as the step that failed raised it: the template's, the encoder's
    // ("error: ..."), the layout's or the file's message. Empty when no step failed.
    QString Error;
    // What else there is to say of the entry: a check of its file ("does not read back ..."),
    // a label scaled down ("drawn at P% to fit the label"); empty: nothing.
    QString Note;
    QString Written;  // a folder export: the file written
    double Scale = 1; // a label sheet: the scale the picture was drawn at to fit its label
    TLabelFitting Label;
};
