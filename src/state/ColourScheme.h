#pragma once
// The Shape Test's colour scheme: the scheme record (name=value lines "sc1".."sc10"
// for the shape fills, "tc1".."tc10" for the text colours, "background"), the
// current scheme path and the scheme changed flag; and the default-colour records
// ("s1.color".."s10.color", "t1.color".."t10.color", "background.color") that
// Restore to Default Colors applies. Values are colour text (SchemeColourText.h).
// Reading a file is storage/SchemeFile.h; questions are asked by the window first.
//
// Applying a record: for each key in the order above, the first line whose name
// equals the key (letter case ignored) counts; a missing key or an empty value
// leaves that colour as it is. A value that is no plain colour stops there: the
// colours before it are set, that colour and the ones after it are not. System
// colour names take the desktop's colours from the lookup given, and without one
// stop like any other bad value (ParseSchemePlainColour).

#include "colour/SchemeColourText.h"
#include "state/ShapeLayouts.h"

#include <QString>
#include <QStringList>
#include <QStringView>

struct ColourRecordApply
{
    bool complete = true; // false: stopped at a bad value
    QString error;        // "'<value>' is not a valid integer value" when stopped
};

// The 21 scheme lines "sc1=..." .. "tc10=...", "background=..." for the colours.
QStringList SchemeRecordLines(const ShapeTestColours& colours);
ColourRecordApply ApplySchemeRecord(const QStringList& record, ShapeTestColours& colours,
                                    const SystemColourLookup& system = {});

// The 21 lines "s1.color=..." .. "t10.color=...", "background.color=...".
QStringList DefaultColourRecordLines(const ShapeTestColours& colours);
ColourRecordApply ApplyDefaultColourRecord(const QStringList& record, ShapeTestColours& colours);

// A layout's default-colour record: its own colours (LayoutDefaultColours).
QStringList LayoutDefaultColourRecord(const ShapeLayout& layout);

// Restore to Default Colors for the layout built last: applies its default-colour
// record. The scheme record and the scheme changed flag are not touched. Ask
// RestoreColoursQuestion() first when the scheme changed flag is set.
ColourRecordApply RestoreDefaultColours(const ShapeLayout& layout, ShapeTestColours& colours);

class ColourScheme
{
public:
    // Holds no lines until the first refresh or load; a save then writes an empty file.
    const QStringList& Record() const { return m_record; }

    // After every drop on a test shape, a test text or the test area (also when the
    // drop set nothing): the record becomes the 21 lines of `colours` and the
    // changed flag is set.
    void Refresh(const ShapeTestColours& colours);

    // A scheme file's lines were read from `path`: they replace the record, `path`
    // becomes the current scheme path, then the record is applied to `colours`.
    // When it applied completely the changed flag is cleared; a bad value leaves the
    // flag as it was. Ask ContinueLoadQuestion() first when the flag is set.
    ColourRecordApply TakeLoadedRecord(const QStringList& lines, const QString& path,
                                       ShapeTestColours& colours);

    // Where loaded records take the colours of system colour names from.
    void SetSystemColours(SystemColourLookup system) { m_system = std::move(system); }

    // The record was written to a file: clears the changed flag. The current
    // scheme path stays.
    void MarkSaved() { m_changed = false; }

    bool IsChanged() const { return m_changed; }
    // Empty until a scheme is loaded.
    const QString& CurrentPath() const { return m_currentPath; }

    // Save Scheme's proposed name: the current path's file name without its last
    // four characters (".shm"); empty when no scheme was loaded.
    QString ProposedName() const;

private:
    QStringList m_record;
    QString m_currentPath;
    bool m_changed = false;
    SystemColourLookup m_system;
};
