#pragma once

// Plain callbacks of the toolkit's objects that write what they are told into a
// recorder given as their context, with the current tick count.

#include <QString>
#include <QStringList>

struct tcRecorder
{
    QStringList calls;
    int tick = 0;

    void note(const QString& call) { calls.append(QStringLiteral("%1 @%2").arg(call).arg(tick)); }
};

inline tcRecorder* recorder(void* context)
{
    return static_cast<tcRecorder*>(context);
}

inline void recordClick(void* context, int id)
{
    recorder(context)->note(QStringLiteral("click %1").arg(id));
}

inline void recordEvent(void* context, int id, int code)
{
    recorder(context)->note(QStringLiteral("event %1 %2").arg(id).arg(code));
}

inline void recordBool(void* context, int id, bool state)
{
    recorder(context)->note(QStringLiteral("bool %1 %2").arg(id).arg(state ? 1 : 0));
}

inline void recordInt(void* context, int id, int value)
{
    recorder(context)->note(QStringLiteral("int %1 %2").arg(id).arg(value));
}

inline void recordRows(void* context, int id, int row, bool state)
{
    recorder(context)->note(QStringLiteral("row %1 %2 %3").arg(id).arg(row).arg(state ? 1 : 0));
}

inline void recordText(void* context, int id, const QString& text)
{
    recorder(context)->note(QStringLiteral("text %1 %2").arg(id).arg(text));
}

inline void recordId(void* context, int id)
{
    recorder(context)->note(QStringLiteral("id %1").arg(id));
}
