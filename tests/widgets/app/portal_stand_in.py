#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A stand-in for the desktop portal's colour picker, on the private session bus of a test.

    portal_stand_in.py MODE [RED GREEN BLUE]

MODE says how it answers PickColor:
  color    the Response carries the colour RED GREEN BLUE (each 0..1)
  cancel   the Response says the user cancelled
  failed   the Response says the pick failed
  refuse   the call itself returns a D-Bus error
  silent   the call is never answered
  ownpath  as color, but on a request path of its own, as portals before handle_token did
"""
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

REQUEST_ROOT = "/org/freedesktop/portal/desktop/request"


class Request(dbus.service.Object):
    @dbus.service.signal("org.freedesktop.portal.Request", signature="ua{sv}")
    def Response(self, response, results):
        pass


class Screenshot(dbus.service.Object):
    def __init__(self, bus, mode, color):
        super().__init__(bus, "/org/freedesktop/portal/desktop")
        self.mode = mode
        self.color = color
        self.requests = []

    @dbus.service.method("org.freedesktop.portal.Screenshot", in_signature="sa{sv}", out_signature="o",
                         sender_keyword="sender", async_callbacks=("reply", "error"))
    def PickColor(self, parent_window, options, sender, reply, error):
        if self.mode == "silent":
            return
        if self.mode == "refuse":
            error(dbus.exceptions.DBusException("Screen reading is not allowed",
                                                name="org.freedesktop.portal.Error.NotAllowed"))
            return
        token = "elsewhere" if self.mode == "ownpath" else str(options["handle_token"])
        path = "%s/%s/%s" % (REQUEST_ROOT, sender[1:].replace(".", "_"), token)
        request = Request(self.connection, path)
        self.requests.append(request)
        if self.mode == "ownpath":
            reply(dbus.ObjectPath(path))
            GLib.timeout_add(100, self.answer, request)
        else:
            # As fast as a portal may be: the answer comes before the reply that names its
            # path, so only a caller already listening there hears it.
            self.answer(request)
            reply(dbus.ObjectPath(path))

    def answer(self, request):
        code = {"cancel": 1, "failed": 2}.get(self.mode, 0)
        # A colour comes along whatever the code, which only a success may take.
        color = dbus.Struct([dbus.Double(c) for c in self.color or [0, 0, 1]], signature="ddd")
        request.Response(dbus.UInt32(code), dbus.Dictionary({"color": color}, signature="sv"))
        return False


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    color = [float(c) for c in sys.argv[2:5]]
    portal = Screenshot(bus, sys.argv[1], color)
    name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
    GLib.MainLoop().run()
    del portal, name


if __name__ == "__main__":
    main()
