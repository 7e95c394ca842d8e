# yardmark-jetread: reads one table of a Jet file in a process of its own (libmdb only).
