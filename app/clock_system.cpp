// System clock: added with the main window.
