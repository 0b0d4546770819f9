# The About window's sources.
