# Portable: the checksum.
# Windows: start-up, the main window, the About box, file reading.
