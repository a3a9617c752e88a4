#include "ui/accessible_picture.h"

#include "ui/picture_box.h"
#include "ui/spoken_texts.h"

#include <QAccessibleWidget>

namespace {

constexpr auto kRepeats = "repeatsPicture";

class PictureAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PictureAccessible(PictureBox *picture) : QAccessibleWidget(picture) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // Read only, without a caret or a selection.
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}

    QString text(int startOffset, int endOffset) const override
    {
        return shownText().mid(startOffset, endOffset - startOffset);
    }
    using QAccessibleWidget::text;

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (repeatsShownPicture())
            state.invisible = true;
        return state;
    }

    int characterCount() const override { return int(shownText().size()); }

    // One run without attributes over the whole text: a reader that splits the text at the
    // runs' ends must get all of it.
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    // The lines share the picture's height; a character is placed by its line.
    QRect characterRect(int offset) const override
    {
        const QString text = shownText();
        const QRect box = rect();
        const int lines = int(text.count(QLatin1Char('\n'))) + 1;
        const int line = int(text.left(offset).count(QLatin1Char('\n')));
        const int height = box.height() / lines;
        return {box.left(), box.top() + line * height, box.width(), height};
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QString text = shownText();
        const QRect box = rect();
        if (text.isEmpty() || !box.contains(point))
            return -1;
        const QStringList lines = text.split(QLatin1Char('\n'));
        const int line = qBound(0, int((point.y() - box.top()) * lines.size() / qMax(1, box.height())), int(lines.size()) - 1);
        int offset = 0;
        for (int i = 0; i < line; ++i)
            offset += int(lines[i].size()) + 1;
        return offset;
    }

private:
    bool repeatsShownPicture() const
    {
        const auto *original = qobject_cast<const QWidget *>(widget()->property(kRepeats).value<QObject *>());
        return original && original->isVisible() && widget()->isVisible()
            && original->accessibleName() == widget()->accessibleName();
    }

    QString shownText() const
    {
        return spoken::pictureText(static_cast<PictureBox *>(widget())->picture().textLines());
    }
};

} // namespace

QAccessibleInterface *accessiblePicture(PictureBox *picture)
{
    return new PictureAccessible(picture);
}

void markRepeating(PictureBox *picture, PictureBox *original)
{
    picture->setProperty(kRepeats, QVariant::fromValue(static_cast<QObject *>(original)));
}
