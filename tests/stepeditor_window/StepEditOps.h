#pragma once
// One edit a user makes in the step window, as a replayable line of text:
// "type(12,5,"clamp",Return)", "cutrows(4,6)", "replace("CLAMP","LAMP")".
// A sequence prints as its ops joined by "; " and reads back from that form,
// so a failing sequence can be run again exactly, or cut down op by op.

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace steptest {

struct StepEditOp {
    enum Kind {
        Type,     // row, col, text typed into the cell, then the end key
        Space,    // row, col
        Delete,   // row, col
        F2,       // row, col, the function chosen in the function dialog ("" cancels it)
        Step,     // row, output, input: a whole step typed cell by cell
        Copy,     // block row1, col1, row2, col2
        CopyRows, // row1, row2
        Cut,      // block row1, col1, row2, col2
        CutRows,  // row1, row2
        Paste,    // row, col
        Insert,   // rows row1..row2 selected, then Insert
        Rem,      // rows row1..row2 selected, then REM
        Undo,
        Replace, // replace all: from, to
        Save,    // save over the file; when it is taken, the file is opened again and compared
    };
    // How a typed text is ended.
    enum End { None, Return, Tab, Escape };

    Kind kind = Undo;
    int row1 = 0, col1 = 0, row2 = 0, col2 = 0;
    QString text, text2;
    End end = None;
};

namespace editops {

struct KindName {
    StepEditOp::Kind kind;
    const char* name;
    const char* fields; // r row1, c col1, R row2, C col2, t text, u text2, e end
};
inline constexpr std::array<KindName, 15> kKinds{{
    {StepEditOp::Type, "type", "rcte"},
    {StepEditOp::Space, "space", "rc"},
    {StepEditOp::Delete, "delete", "rc"},
    {StepEditOp::F2, "f2", "rct"},
    {StepEditOp::Step, "step", "rtu"},
    {StepEditOp::Copy, "copy", "rcRC"},
    {StepEditOp::CopyRows, "copyrows", "rR"},
    {StepEditOp::Cut, "cut", "rcRC"},
    {StepEditOp::CutRows, "cutrows", "rR"},
    {StepEditOp::Paste, "paste", "rc"},
    {StepEditOp::Insert, "insert", "rR"},
    {StepEditOp::Rem, "rem", "rR"},
    {StepEditOp::Undo, "undo", ""},
    {StepEditOp::Replace, "replace", "tu"},
    {StepEditOp::Save, "save", ""},
}};
inline constexpr std::array<const char*, 4> kEnds{"None", "Return", "Tab", "Escape"};

inline const KindName* kindOf(StepEditOp::Kind kind)
{
    for (const KindName& k : kKinds)
        if (k.kind == kind)
            return &k;
    return nullptr;
}

inline QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace editops

inline QString toText(const StepEditOp& op)
{
    const editops::KindName* k = editops::kindOf(op.kind);
    QStringList args;
    for (const char* f = k->fields; *f; ++f) {
        switch (*f) {
        case 'r': args << QString::number(op.row1); break;
        case 'c': args << QString::number(op.col1); break;
        case 'R': args << QString::number(op.row2); break;
        case 'C': args << QString::number(op.col2); break;
        case 't': args << editops::quoted(op.text); break;
        case 'u': args << editops::quoted(op.text2); break;
        case 'e': args << QLatin1String(editops::kEnds[op.end]); break;
        default: break;
        }
    }
    return QLatin1String(k->name) + QLatin1Char('(') + args.join(QLatin1Char(',')) + QLatin1Char(')');
}

inline QString toText(const std::vector<StepEditOp>& ops)
{
    QStringList lines;
    for (const StepEditOp& op : ops)
        lines << toText(op);
    return lines.join(QLatin1String("; "));
}

// Reads ops back from their text form; nothing when a part does not read.
inline std::optional<std::vector<StepEditOp>> opsFromText(const QString& text)
{
    static const QRegularExpression opForm(QStringLiteral(R"re(\s*(\w+)\(((?:"(?:[^"\\]|\\.)*"|[^)"])*)\)\s*;?)re"));
    static const QRegularExpression argForm(QStringLiteral(R"re(\s*("(?:[^"\\]|\\.)*"|[^,]*)\s*(?:,|$))re"));
    std::vector<StepEditOp> ops;
    qsizetype at = 0;
    while (at < text.size() && !text.mid(at).trimmed().isEmpty()) {
        const auto m = opForm.match(text, at, QRegularExpression::NormalMatch,
                                    QRegularExpression::AnchorAtOffsetMatchOption);
        if (!m.hasMatch())
            return std::nullopt;
        at = m.capturedEnd();
        const editops::KindName* k = nullptr;
        for (const auto& candidate : editops::kKinds)
            if (m.captured(1) == QLatin1String(candidate.name))
                k = &candidate;
        if (!k)
            return std::nullopt;
        QStringList args;
        const QString list = m.captured(2);
        for (qsizetype a = 0; a < list.size();) {
            const auto arg = argForm.match(list, a, QRegularExpression::NormalMatch,
                                           QRegularExpression::AnchorAtOffsetMatchOption);
            if (!arg.hasMatch() || arg.capturedEnd() == a)
                return std::nullopt;
            args << arg.captured(1);
            a = arg.capturedEnd();
        }
        if (args.size() != static_cast<qsizetype>(qstrlen(k->fields)))
            return std::nullopt;
        StepEditOp op;
        op.kind = k->kind;
        for (int i = 0; k->fields[i]; ++i) {
            const QString& arg = args[i];
            QString unquoted = arg.mid(1, arg.size() - 2);
            unquoted.replace(QRegularExpression(QStringLiteral(R"(\\(.))")), QStringLiteral("\\1"));
            switch (k->fields[i]) {
            case 'r': op.row1 = arg.toInt(); break;
            case 'c': op.col1 = arg.toInt(); break;
            case 'R': op.row2 = arg.toInt(); break;
            case 'C': op.col2 = arg.toInt(); break;
            case 't': op.text = unquoted; break;
            case 'u': op.text2 = unquoted; break;
            case 'e':
                for (size_t e = 0; e < editops::kEnds.size(); ++e)
                    if (arg == QLatin1String(editops::kEnds[e]))
                        op.end = static_cast<StepEditOp::End>(e);
                break;
            default: break;
            }
        }
        ops.push_back(op);
    }
    return ops;
}

} // namespace steptest
