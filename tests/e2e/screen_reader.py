"""The program as a screen reader finds it on the AT-SPI bus: windows by their name and role,
text boxes by their captions, buttons pressed through their Press action, labels read in reading
order and the status chart as its legend's words. Needs dorvak_e2e.accessibility_bus() and a
program started with dorvak_e2e.ACCESSIBLE."""

import pyatspi
from gi.repository import GLib

from dorvak_e2e import MAIN_TITLE, eventually, fail, wait_until


def windows(name=None, role=None):
    """The windows on the bus, of that name and role when given. A window that closes while
    they are being read is not one of them."""
    def matches(window):
        try:
            return (window is not None and (name is None or window.name == name)
                    and (role is None or window.getRole() == role))
        except GLib.GError:  # gone from the bus between listing and asking
            return False

    return [window for application in pyatspi.Registry.getDesktop(0) if application is not None
            for window in application if matches(window)]


def window(name=MAIN_TITLE, timeout=30):
    """The window of that name, once it is on the bus."""
    return wait_until(lambda: next(iter(windows(name)), None),
                      "the window %r on the accessibility bus" % name, timeout=timeout)


def children(parent):
    """The children in the order a screen reader reads them."""
    return [child for child in parent if child is not None]


def descendant(parent, name, role):
    """The first descendant with that name and role, or None."""
    for child in children(parent):
        if child.name == name and child.getRole() == role:
            return child
        found = descendant(child, name, role)
        if found is not None:
            return found
    return None


def field(frame, caption):
    """The text box named by its caption."""
    box = descendant(frame, caption, pyatspi.ROLE_TEXT)
    if box is None:
        fail("no text box named %r" % caption)
    return box


def type_into(frame, caption, text):
    """Replaces what the text box named `caption` holds, as a screen reader's user would."""
    box = field(frame, caption)
    if not box.queryEditableText().setTextContents(text):
        fail("the text box %r takes no text" % caption)
    wait_until(lambda: text_of(frame, caption) == text, "%r to hold %r" % (caption, text))


def text_of(frame, caption):
    return field(frame, caption).queryText().getText(0, -1)


def description_of(frame, caption):
    return field(frame, caption).description


def press(parent, name):
    """Presses the button of that name through its Press action."""
    button = descendant(parent, name, pyatspi.ROLE_PUSH_BUTTON)
    if button is None:
        fail("no button named %r" % name)
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail("the button %r offers only %s" % (name, names))
    action.doAction(names.index("Press"))


def read_after(frame, caption, count=1):
    """The names read right after the child named `caption`, in reading order."""
    names = [child.name for child in children(frame)]
    if caption not in names:
        return None
    start = names.index(caption) + 1
    return names[start:start + count]


def is_showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def chart(frame):
    """The status chart as read: the names of the pictures showing."""
    return [child.name for child in children(frame)
            if child.getRole() == pyatspi.ROLE_IMAGE and is_showing(child)]


def alerts():
    """The message boxes open now: screen readers announce them as alerts."""
    return windows(role=pyatspi.ROLE_ALERT)


class ShowingChanges:
    """Records which objects the program tells are now showing or no longer, by name, the way a
    screen reader following the window learns of it."""

    def __init__(self):
        self.events = []
        pyatspi.Registry.registerEventListener(self._record, "object:state-changed:showing")

    def _record(self, event):
        self.events.append((event.source.name, bool(event.detail1)))

    def told(self, name, showing, timeout=15):
        """Whether the program comes to tell that the object is (or is not) showing."""
        context = GLib.MainContext.default()

        def heard():
            while context.pending():
                context.iteration(False)
            return (name, showing) in self.events

        return eventually(heard, timeout)

    def close(self):
        pyatspi.Registry.deregisterEventListener(self._record, "object:state-changed:showing")
