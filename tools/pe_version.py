#!/usr/bin/env python3
"""Prints the version that a Windows executable's version resource gives: the fixed file
version (four numbers) and the FileVersion text, one per line. Reads the PE file itself,
so it needs no Windows tools. Exits non-zero when the file has no version resource.
"""
import struct, sys

RT_VERSION = 16


def sections(pe, header):
    count = struct.unpack_from('<H', pe, header + 6)[0]
    opt_size = struct.unpack_from('<H', pe, header + 20)[0]
    first = header + 24 + opt_size
    for i in range(count):
        at = first + 40 * i
        vsize, vaddr, rsize, raddr = struct.unpack_from('<IIII', pe, at + 8)
        yield vaddr, max(vsize, rsize), raddr


def rva_to_offset(pe, header, rva):
    for vaddr, size, raddr in sections(pe, header):
        if vaddr <= rva < vaddr + size:
            return raddr + rva - vaddr
    raise ValueError('address %#x is in no section' % rva)


def resource_dir(pe, base, at):
    """The entries of one resource directory: (id or None, is a directory, offset)."""
    named, numbered = struct.unpack_from('<HH', pe, at + 12)
    for i in range(named + numbered):
        name, target = struct.unpack_from('<II', pe, at + 16 + 8 * i)
        yield (None if name & 0x80000000 else name), bool(target & 0x80000000), base + (target & 0x7FFFFFFF)


def version_resource(pe):
    header = struct.unpack_from('<I', pe, 0x3C)[0]
    if pe[header:header + 4] != b'PE\0\0':
        raise ValueError('not a PE file')
    magic = struct.unpack_from('<H', pe, header + 24)[0]
    directories = header + 24 + (112 if magic == 0x20B else 96)
    rsrc_rva = struct.unpack_from('<I', pe, directories + 2 * 8)[0]
    if rsrc_rva == 0:
        raise ValueError('no resources')
    base = rva_to_offset(pe, header, rsrc_rva)
    at = base
    for level_id in (RT_VERSION, None, None):   # type, then the first name and language
        for ident, is_dir, target in resource_dir(pe, base, at):
            if level_id is None or ident == level_id:
                at = target
                break
        else:
            raise ValueError('no version resource')
    data_rva, size = struct.unpack_from('<II', pe, at)
    start = rva_to_offset(pe, header, data_rva)
    return pe[start:start + size]


def children(block, at, end):
    """The VS_VERSIONINFO-shaped blocks between at and end: (key, value bytes, value type, children range)."""
    while at < end:
        length, value_len, value_type = struct.unpack_from('<HHH', block, at)
        if length == 0:
            break
        key_end = at + 6
        while block[key_end:key_end + 2] != b'\0\0':
            key_end += 2
        key = block[at + 6:key_end].decode('utf-16-le')
        value_at = (key_end + 2 + 3) & ~3
        value_bytes = value_len * 2 if value_type == 1 else value_len
        yield key, block[value_at:value_at + value_bytes], value_type, ((value_at + value_bytes + 3) & ~3, at + length)
        at = (at + length + 3) & ~3


def main():
    pe = open(sys.argv[1], 'rb').read()
    try:
        info = version_resource(pe)
    except ValueError as error:
        print('%s: %s' % (sys.argv[1], error), file=sys.stderr)
        return 1
    (key, fixed, _, (inner, end)), = list(children(info, 0, len(info)))[:1]
    signature, _, ms, ls = struct.unpack_from('<IIII', fixed)
    if key != 'VS_VERSION_INFO' or signature != 0xFEEF04BD:
        print('%s: malformed version resource' % sys.argv[1], file=sys.stderr)
        return 1
    print('%d.%d.%d.%d' % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF))
    for key, _, _, (at, stop) in children(info, inner, end):
        if key != 'StringFileInfo':
            continue
        for _, _, _, (sat, sstop) in children(info, at, stop):        # string tables
            for name, value, _, _ in children(info, sat, sstop):
                if name == 'FileVersion':
                    print(value.decode('utf-16-le').rstrip('\0'))
                    return 0
    print('%s: no FileVersion text' % sys.argv[1], file=sys.stderr)
    return 1


if __name__ == '__main__':
    sys.exit(main())
