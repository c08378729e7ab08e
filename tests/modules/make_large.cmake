# Writes a 3 MiB file of a repeating 16-byte pattern to OUTPUT.
string(REPEAT "0123456789abcdef" 196608 content)
file(WRITE ${OUTPUT} "${content}")
